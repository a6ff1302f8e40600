#pragma once
// The inside of a ResultTable, shared by the table and its codec.

#include "server/resulttable.h"
#include "server/tablecolumn.h"

struct ResultTable::Impl
{
    std::vector<TableColumn> cols;
    int rows = 0;
    bool open = false;
    int cursor = -1;
    bool pastEnd = false;
    int disabled = 0;
    int nextListener = 1;
    std::vector<std::pair<int, Listener>> listeners;

    // No rows, cursor before the first; the open state is the caller's.
    void empty()
    {
        for (auto &c : cols)
            c.clear();
        rows = 0;
        cursor = -1;
        pastEnd = false;
    }

    void notify(Change what, int r = -1, int c = -1) const
    {
        if (disabled > 0 || listeners.empty())
            return;
        const auto kopya = listeners; // a listener may remove itself
        for (const auto &l : kopya)
            l.second(what, r, c);
    }
};
