#pragma once
// One HTTP or HTTPS GET with hard bounds, for the version check: the whole
// exchange ends by a deadline, the head of each reply (status line and
// headers) and its body each have a size cap, and a few redirects are
// followed. QNetworkAccessManager can bound neither the headers nor the time
// of a reply that keeps trickling in.

#include <QByteArray>
#include <QUrl>
#include <optional>

namespace lorvex {

struct GetLimits {
    int totalMs;    // everything: name lookup, connecting, TLS, every redirect
    qint64 headCap; // bytes of one reply's status line and headers
    qint64 bodyCap; // bytes of one reply's body
    int redirects = 5;
};

// The whole body of a 2xx reply within the limits; nothing otherwise.
std::optional<QByteArray> boundedGet(const QUrl &url, const GetLimits &limits);

} // namespace lorvex
