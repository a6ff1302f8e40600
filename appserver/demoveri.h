#pragma once
// Deterministic demo data: the same seed gives the same database.

#include <string>
#include <vector>

namespace appserver {

struct SeedOptions
{
    std::string database = "tarnevooto.db";
    int items = 200000;
    unsigned seed = 1;
};

// Replaces the file with a new database full of demo data.
void demoVeriKur(const SeedOptions &o);
// A dozen small JPEG pictures of parts, drawn at run time.
std::vector<std::string> demoResimleri();

} // namespace appserver
