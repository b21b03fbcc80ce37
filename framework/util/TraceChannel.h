#pragma once

#include <QString>

namespace fw::util {

// Text lines for an external debug viewer, sent as one datagram each to a Unix socket at a
// fixed path: $XDG_RUNTIME_DIR/korvella-trace.sock, or /tmp/korvella-trace-<uid>.sock without
// a runtime folder. The viewer is looked up once per process; without one every trace is a
// no-op. Tracing never raises.
class TraceChannel {
public:
    static QString socketPath();
    // True when the text was handed to the viewer.
    static bool send(const QString& text);
};

inline bool TraceText(const QString& text) {
    return TraceChannel::send(text);
}

}  // namespace fw::util
