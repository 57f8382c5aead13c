#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "MessageBoxStyle.h"
#include "QMessageBoxPresenter.h"

namespace {

// One application for the whole run, torn down before exit so fonts and windows are released.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setApplicationDisplayName("Pelora Test");
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[22] = "pel_text_widgets_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

QMessageBox* OpenBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// Runs action on the box once it is up, so the modal loop is always left.
void WhenBoxShown(std::function<void(QMessageBox*)> action) {
    QTimer::singleShot(0, [action] {
        if (QMessageBox* box = OpenBox())
            action(box);
        else
            WhenBoxShown(action);
    });
}

struct Seen {
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    int width = 0;
};

int ShowAndAnswer(unsigned style, const QString& caption, Seen& seen,
                  std::function<void(QMessageBox*)> answer) {
    WhenBoxShown([&seen, answer](QMessageBox* box) {
        seen.buttons = box->standardButtons();
        seen.icon = box->icon();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.width = box->width();
        answer(box);
    });
    QMessageBoxPresenter presenter;
    return presenter.ShowMessage("<b>x</b>", caption, style);
}

enum class Answer { Click, Return, Escape };

struct PresenterCase {
    const char* name;
    unsigned style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    Answer answer;
    QMessageBox::StandardButton clicked;
    int expected;
};

void PrintTo(const PresenterCase& c, std::ostream* os) {
    *os << c.name;
}

class QMessageBoxPresenterTest : public ::testing::TestWithParam<PresenterCase> {};

TEST_P(QMessageBoxPresenterTest, MapsStyleAndAnswer) {
    const PresenterCase& c = GetParam();
    Seen seen;
    const int result = ShowAndAnswer(c.style, "Caption", seen, [&c](QMessageBox* box) {
        switch (c.answer) {
            case Answer::Click:
                box->button(c.clicked)->click();
                break;
            case Answer::Return:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            case Answer::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
        }
    });
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.defaultButton, c.defaultButton);
    EXPECT_EQ(seen.title, "Caption");
    EXPECT_EQ(seen.text, "<b>x</b>");
    EXPECT_EQ(seen.format, Qt::PlainText);
}

using B = QMessageBox;
const PresenterCase kCases[] = {
    {"OkError", MB_OK | MB_ICONERROR, B::Ok, B::Critical, B::Ok, Answer::Click, B::Ok, IDOK},
    {"OkEscape", MB_OK | MB_ICONWARNING, B::Ok, B::Warning, B::Ok, Answer::Escape, B::NoButton, IDOK},
    {"OkCancelInfo", MB_OKCANCEL | MB_ICONINFORMATION, B::Ok | B::Cancel, B::Information, B::Ok,
     Answer::Click, B::Cancel, IDCANCEL},
    {"OkCancelEscape", MB_OKCANCEL, B::Ok | B::Cancel, B::NoIcon, B::Ok, Answer::Escape, B::NoButton,
     IDCANCEL},
    {"YesNoQuestionSecond", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, B::Yes | B::No, B::Question, B::No,
     Answer::Return, B::NoButton, IDNO},
    {"YesNoClickYes", MB_YESNO | MB_ICONINFORMATION, B::Yes | B::No, B::Information, B::Yes, Answer::Click,
     B::Yes, IDYES},
    {"YesNoReturnFirst", MB_YESNO, B::Yes | B::No, B::NoIcon, B::Yes, Answer::Return, B::NoButton, IDYES},
    {"YesNoEscape", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, B::Yes | B::No, B::Warning, B::No,
     Answer::Escape, B::NoButton, IDNO},
    {"YesNoCancelNo", MB_YESNOCANCEL | MB_ICONWARNING, B::Yes | B::No | B::Cancel, B::Warning, B::Yes,
     Answer::Click, B::No, IDNO},
    {"YesNoCancelEscape", MB_YESNOCANCEL, B::Yes | B::No | B::Cancel, B::NoIcon, B::Yes, Answer::Escape,
     B::NoButton, IDCANCEL},
};

INSTANTIATE_TEST_SUITE_P(Cases, QMessageBoxPresenterTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The title shows whole: the box is as wide as it beside the window's icon and three buttons.
TEST(QMessageBoxPresenterCaptionTest, EmptyCaptionUsesApplicationTitle) {
    Seen seen;
    ShowAndAnswer(MB_OK, QString(), seen, [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(seen.title, "Pelora Test");
    const QFontMetrics metrics(QApplication::font());
    EXPECT_GE(seen.width, metrics.horizontalAdvance(seen.title) + 4 * metrics.height());
}

}  // namespace
