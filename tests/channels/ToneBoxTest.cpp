#include "channels/ToneBox.h"

#include "locale/ListGuard.h"
#include "channels/ToneOptionDialog.h"
#include "support/FreshState.h"
#include "support/ModalDialogs.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class ToneBoxTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
    }

    void Wheel(QWidget* target)
    {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    TToneBox box;
    QSignalSpy entered{&box, &TToneBox::toneEntered};
};

TEST_F(ToneBoxTest, TypedTextReachesTheToneRuleAsTyped)
{
    EXPECT_EQ(box.count(), 205);
    EXPECT_EQ(box.NoneText(), "None");
    EXPECT_EQ(box.completer(), nullptr);
    struct Case { const char* keys; const char* shown; const char* tone; };
    const Case cases[] = {
        {"88", "88", "88.0"},            // no completion to "88.5"
        {"D0x2,3 n", "D023n", "D023N"},  // only a tone's characters; the codec's capital letter
        {"d23n", "d23n", "D777N"},
        {"5", "5", "30.0"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        box.lineEdit()->selectAll();
        QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(box.lineEdit(), c.keys);
        EXPECT_EQ(box.currentText(), c.shown);
        entered.clear();

        QTest::keyClick(box.lineEdit(), Qt::Key_Return);

        EXPECT_EQ(entered.count(), 1);
        EXPECT_EQ(box.TakeTone(), c.tone);
        EXPECT_EQ(box.currentText(), *c.tone ? QString(c.tone) : box.NoneText());
    }
}

TEST_F(ToneBoxTest, WheelAndArrowsOverTheClosedListChangeNothing)
{
    box.ShowTone("67.0");
    for (QWidget* target : {static_cast<QWidget*>(&box), static_cast<QWidget*>(box.lineEdit())}) {
        Wheel(target);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp})
            QTest::keyClick(target, key);
    }
    EXPECT_EQ(box.currentText(), "67.0");
    EXPECT_EQ(entered.count(), 0);

    // The same for a fixed list kept still.
    QComboBox fixed;
    fixed.addItems({"Low", "High"});
    KeepStill(&fixed);
    fixed.show();
    Wheel(&fixed);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_H})
        QTest::keyClick(&fixed, key);
    EXPECT_EQ(fixed.currentIndex(), 0);
}

TEST_F(ToneBoxTest, DoubleClickPicksFromTheTonePicker)
{
    WhenDialogShows<TfToneOption>([](TfToneOption* picker) {
        const QList<QTableWidgetItem*> found = picker->gvCtcss->findItems("229.1", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        picker->PickTone(picker->gvCtcss, found[0]->row(), found[0]->column());
    });

    QTest::mouseDClick(box.lineEdit(), Qt::LeftButton);

    EXPECT_EQ(box.currentText(), "229.1");
    EXPECT_EQ(entered.count(), 1);

    // Closing the picker without a tone changes nothing.
    WhenDialogShows<TfToneOption>([](TfToneOption* picker) { picker->reject(); });
    QTest::mouseDClick(box.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(box.currentText(), "229.1");
    EXPECT_EQ(entered.count(), 1);
}

} // namespace
