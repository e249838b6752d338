#include "dialogs/commandlabel.h"
#include "dialogs/frmnotes.h"
#include "dialogs/notestext.h"
#include "support/mainwindowfixture.h"
#include "support/qtprinters.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {

// --- the text rules, without a window ---

struct StampCase {
    const char* shown;
    const char* added;
};

class StampRule : public ::testing::TestWithParam<StampCase> {};

TEST_P(StampRule, StartsANewLineOnlyAfterOtherText) {
    const QDate date(2026, 3, 7);
    EXPECT_EQ(StampAddition(QString::fromLatin1(GetParam().shown), date), QString::fromLatin1(GetParam().added));
}

INSTANTIATE_TEST_SUITE_P(Texts, StampRule,
                         ::testing::Values(StampCase{"", "03/07/2026: "}, StampCase{"abc", "\n03/07/2026: "},
                                           StampCase{"abc\n", "03/07/2026: "},
                                           StampCase{"03/07/2026: ", "\n03/07/2026: "},
                                           StampCase{" ", "\n03/07/2026: "}));

TEST(DateStampText, IsMonthDayYearWithSlashesInAnyLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DateStamp(QDate(2026, 12, 6)), QStringLiteral("12/06/2026"));
    EXPECT_EQ(DateStamp(QDate(987, 1, 2)), QStringLiteral("01/02/0987"));
    QLocale::setDefault(before);
}

TEST(NotesLineBreaks, StoredBreaksSurviveTheBoxUnchanged) {
    const QStringList stored = {QString(), QStringLiteral("one"), QStringLiteral("one\r\ntwo"),
                                QStringLiteral("one\r\n\r\n"), QStringLiteral("\r\nlead")};
    for (const QString& text : stored) {
        EXPECT_FALSE(NotesForDisplay(text).contains(u'\r')) << text.toStdString();
        EXPECT_EQ(NotesForStorage(NotesForDisplay(text)), text);
    }
    EXPECT_EQ(NotesForStorage(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(NotesForDisplay(QStringLiteral("a\rb")), QStringLiteral("a\nb"));
}

// --- the dialog on the main window's current stock ---

class Notes : public MainWindowTest {
protected:
    // Shows the dialog as the Notes command does and runs `act` while it is up.
    bool show(const std::function<void(FrmNotes&)>& act) {
        bool shown = false;
        QTimer::singleShot(0, w.get(), [&] {
            auto* dialog = qobject_cast<FrmNotes*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = true;
            act(*dialog);
            if (dialog == QApplication::activeModalWidget())
                dialog->lblClose_Click();
        });
        ShowNotesDialog(w.get());
        return shown;
    }

    static QString today() { return DateStamp(QDate::currentDate()); }
};

TEST_F(Notes, CaptionNamesTheStockOrSaysNewStock) {
    QStringList captions;
    ASSERT_TRUE(show([&](FrmNotes& d) { captions << d.windowTitle() << d.objectName(); }));
    CurrentStock->StockName = QStringLiteral("ABC");
    ASSERT_TRUE(show([&](FrmNotes& d) { captions << d.windowTitle(); }));
    EXPECT_EQ(captions, (QStringList{" Notes for new stock", "frmNotes", " Notes for ABC"}));
}

TEST_F(Notes, EveryShowIsAFreshDialogWithTheStoredNotes) {
    CurrentStock->Notes = QStringLiteral("first\r\nsecond");
    ASSERT_TRUE(show([&](FrmNotes& d) {
        EXPECT_EQ(d.txtNotes->toPlainText(), QStringLiteral("first\nsecond"));
        d.txtNotes->setPlainText(QStringLiteral("changed"));
        d.lblCancel_Click();
    }));
    ASSERT_TRUE(show([&](FrmNotes& d) { EXPECT_EQ(d.txtNotes->toPlainText(), QStringLiteral("first\nsecond")); }));
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("first\r\nsecond")) << "closed unchanged, stored unchanged";
    EXPECT_FALSE(CurrentStock->Modified) << "filling the box is no edit";
}

TEST_F(Notes, StampOnAnEmptyBoxThenCloseKeepsModifiedAsItWas) {
    ASSERT_TRUE(show([&](FrmNotes& d) {
        d.activateWindow();
        QTest::mouseClick(d.lblStamp, Qt::LeftButton);
        EXPECT_EQ(d.txtNotes->toPlainText(), today() + QStringLiteral(": "));
        EXPECT_EQ(d.txtNotes->textCursor().position(), today().size() + 2);
        EXPECT_FALSE(d.txtNotes->textCursor().hasSelection());
        EXPECT_EQ(d.focusWidget(), d.txtNotes);
        QTest::mouseClick(d.lblClose, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(CurrentStock->Notes, today() + QStringLiteral(": "));
    EXPECT_FALSE(CurrentStock->Modified);
}

TEST_F(Notes, StampsAfterTextAndAfterALineBreakAreStoredWithCarriageReturns) {
    CurrentStock->Notes = QStringLiteral("bought\r\n");
    ASSERT_TRUE(show([&](FrmNotes& d) {
        d.lblStamp_Click();
        d.lblStamp_Click();
        d.lblClose_Click();
    }));
    const QString stamp = today() + QStringLiteral(": ");
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("bought\r\n") + stamp + QStringLiteral("\r\n") + stamp);

    CurrentStock->Notes = QStringLiteral("sold");
    ASSERT_TRUE(show([&](FrmNotes& d) { d.lblStamp_Click(); }));
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("sold\r\n") + stamp);
}

struct EditCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool marks;
};

class NotesEditing : public Notes, public ::testing::WithParamInterface<EditCase> {};

TEST_P(NotesEditing, KeysThatTypeACharacterMarkTheStockModified) {
    const EditCase& c = GetParam();
    CurrentStock->Notes = QStringLiteral("x");
    ASSERT_TRUE(show([&](FrmNotes& d) {
        d.txtNotes->setFocus();
        QTest::keyClick(d.txtNotes, c.key, c.modifiers);
        EXPECT_EQ(CurrentStock->Modified, c.marks) << c.name;
        d.lblClose_Click();
    }));
    EXPECT_EQ(CurrentStock->Modified, c.marks) << "Close leaves the flag: " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NotesEditing,
    ::testing::Values(EditCase{"letter", Qt::Key_Q, Qt::NoModifier, true},
                      EditCase{"backspace", Qt::Key_Backspace, Qt::NoModifier, true},
                      EditCase{"enter", Qt::Key_Return, Qt::NoModifier, true},
                      EditCase{"control combination", Qt::Key_C, Qt::ControlModifier, true},
                      EditCase{"arrow", Qt::Key_Left, Qt::NoModifier, false},
                      EditCase{"end", Qt::Key_End, Qt::NoModifier, false},
                      EditCase{"shift alone", Qt::Key_Shift, Qt::NoModifier, false}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.replace(u' ', u'_').toStdString();
    });

TEST_F(Notes, MouseReleaseOverTheBoxMarksTheStockModified) {
    ASSERT_TRUE(show([&](FrmNotes& d) {
        QTest::mousePress(d.txtNotes->viewport(), Qt::LeftButton);
        EXPECT_FALSE(CurrentStock->Modified);
        QTest::mouseRelease(d.txtNotes->viewport(), Qt::LeftButton);
        EXPECT_TRUE(CurrentStock->Modified);
    }));
}

TEST_F(Notes, CancelThrowsTheEditAwayAndClearsModifiedSetBeforehand) {
    CurrentStock->Notes = QStringLiteral("kept");
    CurrentStock->Modified = true; // changed in the main window before
    ASSERT_TRUE(show([&](FrmNotes& d) {
        QTest::keyClicks(d.txtNotes, QStringLiteral(" more"));
        QTest::mouseClick(d.lblCancel, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("kept"));
    EXPECT_FALSE(CurrentStock->Modified);
}

TEST_F(Notes, EscapeActsAsCancel) {
    CurrentStock->Notes = QStringLiteral("kept");
    ASSERT_TRUE(show([&](FrmNotes& d) {
        d.txtNotes->setFocus();
        QTest::keyClicks(d.txtNotes, QStringLiteral("zz"));
        QTest::keyClick(d.txtNotes, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("kept"));
    EXPECT_FALSE(CurrentStock->Modified);
}

TEST_F(Notes, TypedLinesAreStoredWithCarriageReturns) {
    ASSERT_TRUE(show([&](FrmNotes& d) {
        d.txtNotes->setFocus();
        QTest::keyClicks(d.txtNotes, QStringLiteral("ab"));
        QTest::keyClick(d.txtNotes, Qt::Key_Return);
        QTest::keyClicks(d.txtNotes, QStringLiteral("cd"));
        d.lblClose_Click();
    }));
    EXPECT_EQ(CurrentStock->Notes, QStringLiteral("ab\r\ncd"));
    EXPECT_TRUE(CurrentStock->Modified);
}

TEST_F(Notes, StockMissingIsTrappedAsTheLoadError) {
    CurrentStock.reset();
    FrmNotes dialog(w.get());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmNotes Load Error#424"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    dialog.lblClose_Click(); // nothing to write to, and no crash
    CurrentStock = std::make_shared<Stock>();
}

} // namespace
