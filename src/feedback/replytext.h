#pragma once

#include <QString>

// The part of the feedback endpoint's reply meant for the user: the text from
// the 8th character after the start of the first "E-mail:" (the marker and one
// blank) up to the first "</body>". Without "E-mail:" it starts at character
// 8. Positions are 16-bit: either marker beyond character 32767 raises
// Overflow (6); "</body>" missing or before the start raises Invalid procedure
// call (5). The search is case-sensitive.
QString FeedbackReplyText(const QString& reply);
