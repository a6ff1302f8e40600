#include "server/proxycall.h"

#include "platform/wire/base64.h"
#include "platform/wire/wiresession.h"

#include <QBuffer>

#include <cmath>
#include <limits>

namespace json = boost::json;

ProxyCall::ProxyCall(TServerMethods1Client &proxy, wire::WireSession &session, const char *method)
    : m_proxy(proxy)
    , m_session(session)
    , m_method(method)
{ }

void ProxyCall::in(const QString &v)
{
    const QByteArray u = v.toUtf8();
    m_params.emplace_back(json::string_view(u.constData(), std::size_t(u.size())));
}

void ProxyCall::in(qint32 v)
{
    m_params.emplace_back(std::int64_t(v));
}

void ProxyCall::in(double v)
{
    // JSON has no form for these; the server would read something else.
    if (!std::isfinite(v))
        throw wire::WireError(QStringLiteral("TServerMethods1.%1: %2. parametre geçerli bir sayı değil")
                                  .arg(QLatin1String(m_method))
                                  .arg(m_params.size()));
    m_params.emplace_back(v);
}

void ProxyCall::in(bool v)
{
    m_params.emplace_back(v);
}

void ProxyCall::in(OutInt64 o)
{
    m_outs.emplace_back(int(m_params.size()), &o.ref);
    m_params.emplace_back(nullptr);
}

json::array ProxyCall::execute(bool hasResult)
{
    const std::string command = std::string("TServerMethods1.") + m_method;
    m_resultPos = int(m_params.size());
    json::array values = m_session.call(command, std::move(m_params));
    const std::size_t expected = m_outs.size() + (hasResult ? 1 : 0);
    if (values.size() != expected)
        throw wire::ReplyError(
            QStringLiteral("Sunucu yanıtı geçersiz: TServerMethods1.%1 için %2 değer bekleniyordu, %3 geldi")
                .arg(QLatin1String(m_method))
                .arg(expected)
                .arg(values.size()));
    for (std::size_t i = 0; i < m_outs.size(); ++i)
        m_outValues.push_back(takeInt64(values[i], m_outs[i].first));
    return values;
}

void ProxyCall::commitOuts()
{
    for (std::size_t i = 0; i < m_outs.size(); ++i)
        *m_outs[i].second = m_outValues[i];
}

wire::ReplyError ProxyCall::malformed(int pos, const QString &what) const
{
    return wire::ReplyError(QStringLiteral("Sunucu yanıtı geçersiz: TServerMethods1.%1, değer %2: %3")
                                .arg(QLatin1String(m_method))
                                .arg(pos)
                                .arg(what));
}

qint64 ProxyCall::takeInt64(const json::value &v, int pos) const
{
    if (v.is_int64())
        return v.get_int64();
    if (v.is_uint64() && v.get_uint64() <= std::uint64_t(std::numeric_limits<qint64>::max()))
        return qint64(v.get_uint64());
    throw malformed(pos, QStringLiteral("tam sayı (int64) bekleniyordu"));
}

qint32 ProxyCall::takeInt32(const json::value &v, int pos) const
{
    if (v.is_int64() && v.get_int64() >= std::numeric_limits<qint32>::min()
        && v.get_int64() <= std::numeric_limits<qint32>::max())
        return qint32(v.get_int64());
    if (v.is_uint64() && v.get_uint64() <= std::uint64_t(std::numeric_limits<qint32>::max()))
        return qint32(v.get_uint64());
    throw malformed(pos, QStringLiteral("tam sayı (int32) bekleniyordu"));
}

bool ProxyCall::takeBool(const json::value &v, int pos) const
{
    if (!v.is_bool())
        throw malformed(pos, QStringLiteral("true/false bekleniyordu"));
    return v.get_bool();
}

QString ProxyCall::takeText(const json::value &v, int pos) const
{
    if (!v.is_string())
        throw malformed(pos, QStringLiteral("metin bekleniyordu"));
    const json::string &s = v.get_string();
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

ResultTable *ProxyCall::takeTable(const json::value &v, int pos)
{
    std::shared_ptr<ResultTable> t;
    try {
        t = std::make_shared<ResultTable>(decodeTable(v));
    } catch (const TableError &e) {
        throw malformed(pos, QString::fromUtf8(e.what()));
    }
    keep(t);
    return t.get();
}

QIODevice *ProxyCall::takeStream(const json::value &v, int pos)
{
    if (!v.is_string())
        throw malformed(pos, QStringLiteral("akış (base64 metin) bekleniyordu"));
    std::optional<QByteArray> bytes = wire::base64Decode(v.get_string());
    if (!bytes)
        throw malformed(pos, QStringLiteral("akış geçerli base64 değil"));
    auto buffer = std::make_shared<QBuffer>();
    buffer->setData(std::move(*bytes));
    buffer->open(QIODevice::ReadOnly);
    keep(buffer);
    return buffer.get();
}

void ProxyCall::keep(std::shared_ptr<void> result)
{
    m_proxy.m_results.push_back(std::move(result));
}
