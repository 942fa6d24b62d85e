// The message box: the buttons and answers of each mode, the keys, the close button, nesting,
// the core's messages shown in it, and a picture of it in the build folder.

#include <QFontDatabase>
#include <QPushButton>

#include <optional>

#include "controllers/messages/MessageBoxPrompts.h"
#include "controllers/messages/TFormMessageControler.h"
#include "controllers/messages/TFrameQuestionGrid.h"
#include "grid/GridErrors.h"
#include "grid/markup/CellReaders.h"
#include "routines/Errors.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

TFormMessageControler& Box(QWidget& modal) { return dynamic_cast<TFormMessageControler&>(modal); }

class MessageBoxTest : public ControllerTest {
protected:
    // Asks in `box`, letting `user` act on the box while it shows.
    bool AskIn(TFormMessageControler& box, MessageButtons mode, std::function<void(TFormMessageControler&)> user) {
        WhenModal([user](QWidget& modal) { user(Box(modal)); });
        return box.Ask("Delete Pupil", "Delete Ann Lee and her results?", nullptr, mode);
    }

    TFormMessageControler box;
};

TEST_F(MessageBoxTest, AQuestionThatMayBeCancelledHasThreeAnswers) {
    const std::vector<std::pair<std::function<void(TFormMessageControler&)>, Answer>> cases = {
        {[](TFormMessageControler& shown) { QTest::mouseClick(&shown.ButtonOK(), Qt::LeftButton); }, Answer::First},
        {[](TFormMessageControler& shown) { QTest::mouseClick(&shown.ButtonCancel(), Qt::LeftButton); }, Answer::Second},
        {[](TFormMessageControler& shown) { QTest::mouseClick(&shown.ButtonThird(), Qt::LeftButton); }, Answer::Cancel},
        {[](TFormMessageControler& shown) { QTest::keyClick(&shown, Qt::Key_Escape); }, Answer::Cancel},
        {[](TFormMessageControler& shown) { shown.close(); }, Answer::Cancel},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        WhenModal([&](QWidget& modal) {
            EXPECT_TRUE(Box(modal).ButtonThird().isVisible());
            cases[i].first(Box(modal));
        });
        EXPECT_EQ(box.AskOrCancel("Save Before Exit", "Save?", nullptr, MessageButtons::YesNo), cases[i].second) << i;
    }
    WhenModal([](QWidget& modal) {
        EXPECT_FALSE(Box(modal).ButtonThird().isVisible()) << "a plain question has no Cancel";
        QTest::keyClick(&Box(modal), Qt::Key_Escape);
    });
    EXPECT_FALSE(box.Ask("Question", "Text", nullptr, MessageButtons::YesNo));
}

struct ModeCase {
    MessageButtons mode;
    const char* first;  // empty when the first button is hidden
    const char* second;
};

TEST_F(MessageBoxTest, EachModeShowsItsCaptionsAndTheButtonsAnswer) {
    const ModeCase cases[] = {{MessageButtons::Close, "", "Close"},
                              {MessageButtons::OkCancel, "OK", "Cancel"},
                              {MessageButtons::YesNo, "Yes", "No"},
                              {MessageButtons::FixCancel, "Fix", "Cancel"},
                              {MessageButtons::MaleFemale, "Male", "Female"}};
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.second);
        const bool hasFirst = *c.first != '\0';
        for (bool pressFirst : {true, false}) {
            if (pressFirst && !hasFirst) continue;
            const bool answer = AskIn(box, c.mode, [&](TFormMessageControler& shown) {
                EXPECT_EQ(shown.windowTitle().toStdString(), "Vantaro Message");
                EXPECT_EQ(shown.ButtonOK().isVisible(), hasFirst);
                if (hasFirst) {
                    EXPECT_EQ(shown.ButtonOK().text().toStdString(), c.first);
                }
                EXPECT_TRUE(shown.ButtonCancel().isVisible());
                EXPECT_EQ(shown.ButtonCancel().text().toStdString(), c.second);
                QPushButton& button = pressFirst ? shown.ButtonOK() : shown.ButtonCancel();
                QTest::mouseClick(&button, Qt::LeftButton);
            });
            EXPECT_EQ(answer, pressFirst);
            EXPECT_FALSE(box.isVisible());
        }
    }
}

TEST_F(MessageBoxTest, ShowsTheTitleAndTheTextOnItsPage) {
    AskIn(box, MessageButtons::YesNo, [](TFormMessageControler& shown) {
        TFrameQuestionGrid& page = shown.ViewQuestionGrid();
        EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Delete Pupil");
        EXPECT_EQ(CellDisplayText(page.Cell(0, 1)), "Delete Ann Lee and her results?");
        EXPECT_EQ(page.OptionCount(), 0);
        EXPECT_EQ(shown.CurrentView(), &page);
        QTest::mouseClick(&shown.ButtonCancel(), Qt::LeftButton);
    });
}

struct KeyCase {
    const char* name;
    MessageButtons mode;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool answer;
};

TEST_F(MessageBoxTest, KeysAnswerAsTheButtonsDo) {
    const KeyCase cases[] = {{"Return with only Close shown", MessageButtons::Close, Qt::Key_Return, {}, true},
                             {"Return", MessageButtons::YesNo, Qt::Key_Return, {}, true},
                             {"keypad Enter", MessageButtons::OkCancel, Qt::Key_Enter, Qt::KeypadModifier, true},
                             {"Esc", MessageButtons::YesNo, Qt::Key_Escape, {}, false},
                             {"Ctrl+Break", MessageButtons::FixCancel, Qt::Key_Pause, Qt::ControlModifier, false}};
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool answer = AskIn(box, c.mode, [&](TFormMessageControler& shown) {
            QTest::keyClick(&shown.ViewQuestionGrid().Grid(), c.key, c.modifiers);
        });
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(MessageBoxTest, TheWindowsCloseButtonAnswersFalse) {
    EXPECT_FALSE(AskIn(box, MessageButtons::YesNo, [](TFormMessageControler& shown) { shown.close(); }));
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(AskIn(box, MessageButtons::YesNo, [](TFormMessageControler& shown) {
        QTest::mouseClick(&shown.ButtonOK(), Qt::LeftButton);
    })) << "the box asks again after being closed";
}

TEST_F(MessageBoxTest, AQuestionAskedWhileItShowsGetsAWindowOfItsOwn) {
    std::optional<bool> inner;
    const bool outer = AskIn(box, MessageButtons::YesNo, [&](TFormMessageControler& shown) {
        WhenModal([&](QWidget& modal) {
            EXPECT_NE(&modal, &shown);
            EXPECT_EQ(CellDisplayText(Box(modal).ViewQuestionGrid().Cell(0, 0)), "Inner");
            QTest::mouseClick(&Box(modal).ButtonCancel(), Qt::LeftButton);
        });
        inner = shown.Ask("Inner", "Asked from the outer box", &shown, MessageButtons::OkCancel);
        EXPECT_TRUE(shown.isVisible()) << "the outer box still shows";
        QTest::mouseClick(&shown.ButtonOK(), Qt::LeftButton);
    });
    ASSERT_TRUE(inner.has_value());
    EXPECT_FALSE(*inner);
    EXPECT_TRUE(outer);
}

TEST_F(MessageBoxTest, TheCoresMessagesAndErrorsShowInIt) {
    MessageBoxPrompts prompts;
    const ScopedPlatform installed(
        {nullptr, &platform.clock, &prompts, &platform.busy, &platform.progress, &platform.settings});
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    WhenModal([&](QWidget& modal) {
        EXPECT_EQ(modal.parentWidget(), &owner) << "over the active window";
        EXPECT_EQ(CellDisplayText(Box(modal).ViewQuestionGrid().Cell(0, 1)), "The file is locked");
        EXPECT_FALSE(Box(modal).ButtonOK().isVisible());
        QTest::mouseClick(&Box(modal).ButtonCancel(), Qt::LeftButton);
    });
    EXPECT_FALSE(ReportErrors([] { throw EVantaro("The file is locked"); }));

    WhenModal([](QWidget& modal) { QTest::mouseClick(&Box(modal).ButtonOK(), Qt::LeftButton); });
    EXPECT_TRUE(Platform::Prompts().Ask("Save Changes", "Save the year?", MessageButtons::YesNo));
}

TEST_F(MessageBoxTest, IsGrabbedToAPicture) {
    ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "without a font every text is drawn as boxes";
    AskIn(box, MessageButtons::YesNo, [](TFormMessageControler& shown) {
        QApplication::processEvents();
        const QImage image = shown.grab().toImage();
        EXPECT_TRUE(image.save(QStringLiteral(VANTARO_BINARY_DIR "/TFormMessageControler.png")));
        const QRect buttons = shown.ButtonOK().geometry().united(shown.ButtonCancel().geometry());
        EXPECT_TRUE(shown.ButtonOK().parentWidget()->rect().contains(buttons)) << "the buttons show whole";
        QTest::mouseClick(&shown.ButtonCancel(), Qt::LeftButton);
    });
}

}  // namespace
}  // namespace vantaro::test
