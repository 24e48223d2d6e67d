// A display far away: an X display on 127.0.0.1 whose traffic, both ways, reaches the X server it
// stands for only after a delay, as over a thin client's network. It prints its display number once
// it takes connections, then runs until it is killed.
// usage: vesmol_x_delay_proxy SERVER_DISPLAY_NUMBER DELAY_MS
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Chunk {
    Clock::time_point due;
    std::string bytes;
};

// One way of one connection: what was read, held until it is due.
struct Direction {
    int from;
    int to;
    std::deque<Chunk> held;
    bool closed = false;
};

struct Connection {
    Direction up;    // client to server
    Direction down;  // server to client
};

int listenOnFreeDisplay(int& display)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    for (display = 100; display < 200; ++display) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(6000 + display));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(listener, 8) == 0)
            return listener;
    }
    return -1;
}

int connectToServer(int display)
{
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/tmp/.X11-unix/X%d", display);
    if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(server);
        return -1;
    }
    return server;
}

// Reads what has come and holds it; false once the sender has closed.
bool readInto(Direction& way, std::chrono::milliseconds delay)
{
    char buffer[65536];
    const ssize_t got = read(way.from, buffer, sizeof buffer);
    if (got <= 0)
        return false;
    way.held.push_back({Clock::now() + delay, std::string(buffer, static_cast<std::size_t>(got))});
    return true;
}

// Writes what is due, in order; false when the receiver is gone.
bool writeDue(Direction& way)
{
    while (!way.held.empty() && way.held.front().due <= Clock::now()) {
        std::string& bytes = way.held.front().bytes;
        const ssize_t put = write(way.to, bytes.data(), bytes.size());
        if (put < 0)
            return errno == EAGAIN;
        bytes.erase(0, static_cast<std::size_t>(put));
        if (bytes.empty())
            way.held.pop_front();
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SERVER_DISPLAY_NUMBER DELAY_MS\n", argv[0]);
        return 2;
    }
    const int serverDisplay = std::atoi(argv[1]);
    const std::chrono::milliseconds delay(std::atoi(argv[2]));
    int display = 0;
    const int listener = listenOnFreeDisplay(display);
    if (listener < 0) {
        std::fputs("x_delay_proxy: no free display between :100 and :199\n", stderr);
        return 1;
    }
    std::printf("%d\n", display);
    std::fflush(stdout);

    std::vector<std::unique_ptr<Connection>> connections;
    for (;;) {
        std::vector<pollfd> watched{{listener, POLLIN, 0}};
        auto next = Clock::time_point::max();
        for (const auto& c : connections) {
            for (const Direction* way : {&c->up, &c->down}) {
                if (!way->closed)
                    watched.push_back({way->from, POLLIN, 0});
                if (!way->held.empty())
                    next = std::min(next, way->held.front().due);
            }
        }
        int timeout = -1;
        if (next != Clock::time_point::max())
            timeout = static_cast<int>(std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count()));
        if (poll(watched.data(), watched.size(), timeout) < 0 && errno != EINTR)
            return 1;

        if ((watched[0].revents & POLLIN) != 0) {
            const int client = accept(listener, nullptr, nullptr);
            const int server = connectToServer(serverDisplay);
            if (client >= 0 && server >= 0) {
                const int yes = 1;
                setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
                connections.push_back(std::make_unique<Connection>(Connection{{client, server, {}}, {server, client, {}}}));
            } else {
                close(client);
                close(server);
            }
        }
        for (const pollfd& ready : watched) {
            if (ready.fd == listener || (ready.revents & (POLLIN | POLLHUP | POLLERR)) == 0)
                continue;
            for (auto& c : connections) {
                for (Direction* way : {&c->up, &c->down}) {
                    if (way->from == ready.fd && !way->closed && !readInto(*way, delay))
                        way->closed = true;
                }
            }
        }
        // A connection ends once either side has closed and everything held for it is through.
        std::erase_if(connections, [](const std::unique_ptr<Connection>& c) {
            const bool flowing = writeDue(c->up) && writeDue(c->down);
            const bool done = (c->up.closed && c->up.held.empty()) || (c->down.closed && c->down.held.empty());
            if (flowing && !done)
                return false;
            close(c->up.from);
            close(c->down.from);
            return true;
        });
    }
}
