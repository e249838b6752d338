// Sending the contact form's message and reporting the outcome.
#include "feedback/frmcontact.h"

#include "feedback/replytext.h"
#include "feedback/urlencode.h"
#include "platform/errors.h"
#include "platform/http.h"
#include "platform/messagebox.h"
#include "platform/website.h"

QString frmContact::URLEncode(const QString& sRawURL) {
    if (sRawURL.isEmpty())
        return {};
    QString encoded;
    Trap(QStringLiteral("frmContact URLEncode"), this,
         [&] { encoded = UrlEncodeChecked(sRawURL); });
    return encoded;
}

QString frmContact::encodedRequestUrl() {
    QString encoded;
    Trap(QStringLiteral("frmContact URLEncode"), this,
         [&] { encoded = EncodeFeedbackUrl(FeedbackUrlBase(), Fields()); });
    return encoded;
}

void frmContact::SendFeedback() {
    QString answer;
    bool sent = false;
    try {
        // An encoding failure leaves the URL empty and the fetch fails on it.
        const QString reply = HttpGet(encodedRequestUrl());
        answer = FeedbackReplyText(reply);
        sent = true;
    } catch (const std::exception&) {
        sent = false;
    }
    if (sent)
        MsgBox(answer, MsgButtons::Ok, MsgIcon::None, {}, this);
    else
        MsgBox(QStringLiteral("An error occurred while sending your Email"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Email Failed"), this);
}
