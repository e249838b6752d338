#pragma once

#include <QString>

// The maker's web site: the feedback endpoint and the home page live there.
inline constexpr char kWebSiteHost[] = "www.quilmar.com";

// The host (optionally with ":port") the program talks to: kWebSiteHost
// unless a test has pointed it elsewhere.
QString WebSiteHost();

// Tests point the program at a server of their own, e.g. "127.0.0.1:8080";
// an empty text restores kWebSiteHost.
void SetWebSiteHost(const QString& hostAndPort);

// "http://<host>/ApplicationFeedback.php?": the feedback query follows.
QString FeedbackUrlBase();

// "http://<host>/Dorvex2.html".
QString HomePageUrl();
