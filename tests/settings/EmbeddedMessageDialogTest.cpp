#include "settings/EmbeddedMessageDialog.h"

#include "locale/ProgramFolderTest.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using EmbeddedMessageDialogTest = ProgramFolderTest;

// Types each character as a key press carrying it, as a keyboard or an input method delivers it.
void Type(QLineEdit* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

TEST_F(EmbeddedMessageDialogTest, TypedCharactersPassTheKeyFilter)
{
    struct Case {
        const char* Name;
        QString Typed;
        QString Line;
    };
    const Case cases[] = {
        {"letters, digits and spaces", "Shop 42 ZZ", "Shop 42 ZZ"},
        {"comma and hyphen", "A,B-C", "ABC"},
        {"a Chinese character", QStringLiteral("A中B"), "AB"},
        {"punctuation and accented letters", QStringLiteral("a.b!c\u00e9d/"), "abcd"},
        {"a 33rd character", QString(33, 'x'), QString(32, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TfEmbeddedMessage dialog;
        dialog.show();
        for (QLineEdit* field : {dialog.edEMA, dialog.edEMB}) {
            Type(field, c.Typed);
            EXPECT_EQ(field->text(), c.Line);
        }
    }
}

TEST_F(EmbeddedMessageDialogTest, PastedTextIsFilteredLikeTypedText)
{
    TfEmbeddedMessage dialog;
    dialog.show();
    dialog.edEMA->setText("AB");
    dialog.edEMA->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("x,y-z 中1\t\n"));
    dialog.edEMA->paste();
    EXPECT_EQ(dialog.edEMA->text(), "Axyz 1B");
    EXPECT_EQ(dialog.edEMA->cursorPosition(), 6);
    dialog.edEMB->insert(QStringLiteral("\u00c4rger, 2 M\u00e4use"));
    EXPECT_EQ(dialog.edEMB->text(), "rger 2 Muse");
}

TEST_F(EmbeddedMessageDialogTest, OkStoresBothLinesWithoutMarkingTheCodeplugCancelKeepsThem)
{
    theEnMsg() = {"OLD ONE", "OLD TWO"};
    theAll().Modified = false;
    {
        TfEmbeddedMessage dialog;
        dialog.show();
        EXPECT_EQ(dialog.edEMA->text(), "OLD ONE");
        EXPECT_EQ(dialog.edEMB->text(), "OLD TWO");
        dialog.edEMA->setText("NEW");
        dialog.btnCancel->click();
        EXPECT_EQ(theEnMsg().Line1, "OLD ONE");
    }
    TfEmbeddedMessage dialog;
    dialog.show();
    dialog.edEMA->setText("ABCDEFGHIJKLMNOP");
    dialog.edEMB->setText(QString(32, 'Z'));
    dialog.btnOk->click();
    EXPECT_EQ(theEnMsg().Line1, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(theEnMsg().Line2, QString(32, 'Z'));
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(EmbeddedMessageDialogTest, ALineFromAFileThatBreaksTheRuleStaysUntilItIsEdited)
{
    theEnMsg() = {"SHOP \"A\" 1", "CALL-555"};
    TfEmbeddedMessage dialog;
    dialog.show();
    EXPECT_EQ(dialog.edEMA->text(), "SHOP \"A\" 1");
    dialog.edEMB->end(false);
    QTest::keyClicks(dialog.edEMB, "6");
    EXPECT_EQ(dialog.edEMB->text(), "CALL5556");
    dialog.btnOk->click();
    EXPECT_EQ(theEnMsg().Line1, "SHOP \"A\" 1");
    EXPECT_EQ(theEnMsg().Line2, "CALL5556");
}

} // namespace
