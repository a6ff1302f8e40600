#pragma once
// Turns an HTTP result into the reply object of the protocol, or the error it
// stands for. Internal to the wire library (it needs httplib.h).

#include <boost/json/object.hpp>
#include <httplib.h>

namespace wire {

// Status 200 with a JSON object: that object. An error reply: RemoteError.
// No answer or anything else: TransportError naming the HTTP status.
boost::json::object replyObject(const httplib::Result &res);

} // namespace wire
