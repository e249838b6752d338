#pragma once

#include <QString>
#include <functional>

// Opens a web page in the system's browser without waiting for it. The
// outcome is not reported: nothing is shown when no browser starts.
void OpenInBrowser(const QString& url);

// Tests see the request instead of a browser starting.
using BrowserHook = std::function<void(const QString& url)>;
void SetBrowserHook(BrowserHook hook);
