#pragma once
// One call of a server method inside TServerMethods1Client: parameters by
// position (out parameters sent as null), then the reply's values mapped back,
// out parameters in catalogue order and the result last. Internal to the proxy.

#include "platform/wire/wireerror.h"
#include "server/records/kayitjson.h"
#include "server/resulttable.h"
#include "server/tservermethods1client.h"

#include <QIODevice>
#include <QString>

#include <boost/json/array.hpp>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace wire {
class WireSession;
}

// An out parameter of kind int64.
struct OutInt64
{
    qint64 &ref;
};
inline OutInt64 out(qint64 &ref)
{
    return { ref };
}

class ProxyCall
{
public:
    ProxyCall(TServerMethods1Client &proxy, wire::WireSession &session, const char *method);

    template<class... A> ProxyCall &&with(A &&...args) &&
    {
        (in(std::forward<A>(args)), ...);
        return std::move(*this);
    }

    // Executes the command; R is the method's result kind (void when none).
    template<class R> R result() &&
    {
        // Out parameters are written only once the whole reply has been read.
        if constexpr (std::is_void_v<R>) {
            execute(false);
            commitOuts();
        } else {
            const boost::json::array values = execute(true);
            R r = take<R>(values.back(), m_resultPos);
            commitOuts();
            return r;
        }
    }

private:
    void in(const QString &v);
    void in(qint32 v);
    void in(double v);
    void in(bool v);
    void in(OutInt64 o);
    // The record is written and released before the command is sent.
    template<class T> void in(std::unique_ptr<T> record)
    {
        if (record)
            m_params.push_back(kayit::yaz(*record));
        else
            m_params.push_back(nullptr);
        record.reset();
    }

    boost::json::array execute(bool hasResult);
    void commitOuts();

    template<class R> R take(const boost::json::value &v, int pos)
    {
        if constexpr (std::is_same_v<R, qint32>) {
            return takeInt32(v, pos);
        } else if constexpr (std::is_same_v<R, bool>) {
            return takeBool(v, pos);
        } else if constexpr (std::is_same_v<R, QString>) {
            return takeText(v, pos);
        } else if constexpr (std::is_same_v<R, ResultTable *>) {
            return takeTable(v, pos);
        } else if constexpr (std::is_same_v<R, QIODevice *>) {
            return takeStream(v, pos);
        } else {
            static_assert(std::is_pointer_v<R>, "a record result is a pointer");
            using T = std::remove_pointer_t<R>;
            std::shared_ptr<T> rec;
            try {
                rec = kayit::oku<T>(v);
            } catch (const kayit::KayitHatasi &e) {
                throw malformed(pos, QString::fromUtf8(e.what()));
            }
            keep(rec);
            return rec.get();
        }
    }

    qint32 takeInt32(const boost::json::value &v, int pos) const;
    qint64 takeInt64(const boost::json::value &v, int pos) const;
    bool takeBool(const boost::json::value &v, int pos) const;
    QString takeText(const boost::json::value &v, int pos) const;
    ResultTable *takeTable(const boost::json::value &v, int pos);
    QIODevice *takeStream(const boost::json::value &v, int pos);
    wire::ReplyError malformed(int pos, const QString &what) const;
    void keep(std::shared_ptr<void> result);

    TServerMethods1Client &m_proxy;
    wire::WireSession &m_session;
    const char *m_method;
    boost::json::array m_params;
    std::vector<std::pair<int, qint64 *>> m_outs; // wire position, destination
    std::vector<qint64> m_outValues;
    int m_resultPos = 0;
};
