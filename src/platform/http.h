#pragma once

#include <QString>
#include <optional>

// Whether the machine has a network connection, as the system's network
// information backend sees it. Where no backend can tell, the answer is true
// and the fetch itself decides.
bool IsConnected();

// Tests fix IsConnected()'s answer; std::nullopt asks the system again.
void SetConnectedOverride(std::optional<bool> connected);

namespace HttpErrors {
inline constexpr int TimedOut = 35761;
inline constexpr int RequestFailed = 35754;
} // namespace HttpErrors

// Fetches `url` with HTTP GET and returns the reply body as text, waiting until
// the whole reply has arrived. The wait takes no user input and ends after
// HttpTimeoutMs() at the latest. A bad URL, a transport failure, the time-out
// and a reply with an HTTP error status (400 and up) raise an AppError.
QString HttpGet(const QString& url);

inline constexpr int kDefaultHttpTimeoutMs = 20000;
int HttpTimeoutMs();
// Tests shorten the wait; 0 restores kDefaultHttpTimeoutMs.
void SetHttpTimeoutMs(int milliseconds);
