#pragma once
// Turns an HTTP result into the reply object of the protocol, or the error it
// stands for. Needs httplib.h, so only code that talks HTTP includes it.

#include <QString>

#include <boost/json/object.hpp>
#include <httplib.h>

namespace wire {

// Status 200 with a JSON object: that object. An error reply: RemoteError.
// No answer or anything else: TransportError naming the HTTP status.
boost::json::object replyObject(const httplib::Result &res);

// A Turkish sentence for an HTTP client failure, for every caller of the library.
QString failureText(httplib::Error e);

} // namespace wire
