#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform::testing {

// A small HTTP/1.1 server on 127.0.0.1, on a thread of its own, for the network tests and
// benchmarks. Each connection serves one request and closes:
//   GET /bytes/N     200 with N bytes of body(N)
//   GET /redirect/N  302 to /bytes/N
//   GET /loop        302 to itself
//   GET /cut/N       announces N bytes, sends half of them and closes
//   GET /whole/N     as /bytes/N, but always the whole body whatever range was asked for
// /bytes and /cut answer a request for the bytes from K on ("Range: bytes=K-") with those
// bytes in full, so that a cut transfer can be resumed.
//   GET /auth        401 asking for basic credentials
//   POST /upload     200 with the number of body bytes received, in decimal
// Anything else is 404.
class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // "http://127.0.0.1:<port><path>".
    std::string url(const std::string& path) const;
    std::uint16_t port() const;
    // The URL of a local port that nothing listens on.
    static std::string refusingUrl();
    static std::uint16_t refusingPort();
    // The body the server sends for /bytes/N: byte i is i modulo 251.
    static std::string body(std::size_t length);

private:
    struct Thread;
    std::unique_ptr<Thread> thread_;
};

} // namespace platform::testing
