#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <thread>

#include "framework/forms/HeadlessResponder.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/forms/MessageStyle.h"
#include "framework/forms/RecordingResponder.h"
#include "framework/util/Errors.h"
#include "tests/forms/FormsTesting.h"

using namespace fw::forms;

namespace {

const QChar CR(13);

struct HelperCase {
    const char* name;
    std::function<bool()> call;
    QString title;
    unsigned style;
    int answer;
    bool expected;
};

TEST(MessageHelpers, EachHelperAsksWithItsTitleAndStyleAndReadsItsButton) {
    const QString text = QStringLiteral("Texto") + CR + QStringLiteral("segunda línea");
    const auto t = QStringLiteral("Título");
    const HelperCase cases[] = {
        {"AskYesNoDefaultNo yes", [&] { return AskYesNoDefaultNo(t, text); }, t, 0x134, 6, true},
        {"AskYesNoDefaultNo no", [&] { return AskYesNoDefaultNo(t, text); }, t, 0x134, 7, false},
        {"AskYesNo yes", [&] { return AskYesNo(t, text); }, t, 0x34, 6, true},
        {"AskYesNo no", [&] { return AskYesNo(t, text); }, t, 0x34, 7, false},
        {"ShowWarning ok", [&] { return ShowWarning(t, text); }, t, 0x30, 1, true},
        {"ShowWarning not shown", [&] { return ShowWarning(t, text); }, t, 0x30, 0, false},
        {"ShowWarning empty title", [&] { return ShowWarning(QString(), text); },
         QStringLiteral("Atención"), 0x30, 1, true},
        {"ShowInformation",
         [&] {
             ShowInformation(text);
             return true;
         },
         QStringLiteral("Información"), 0x40, 1, true},
        {"ShowError",
         [&] {
             ShowError(text);
             return true;
         },
         QStringLiteral("Error"), 0x30, 1, true},
        {"AskConfirmation yes", [&] { return AskConfirmation(text); },
         QStringLiteral("Confirmación"), 0x2044, 6, true},
        {"AskConfirmation no", [&] { return AskConfirmation(text); },
         QStringLiteral("Confirmación"), 0x2044, 7, false},
        {"ShowMessageBox answer as given", [&] { return ShowMessageBox(text, t, 0x3) == 2; }, t,
         0x3, 2, true},
        {"ShowMessageBox empty title", [&] { return ShowMessageBox(text, QString(), 0x1) == 1; },
         QStringLiteral("Atención"), 0x1, 1, true},
    };
    for (const HelperCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResponder& recorder = test::InstallRecorder();
        recorder.queueBoxAnswer(c.answer);
        EXPECT_EQ(c.call(), c.expected);
        ASSERT_EQ(recorder.requests.size(), 1u);
        const MessageRequest& request = recorder.requests.front();
        EXPECT_EQ(request.kind, MessageRequest::Kind::Box);
        EXPECT_EQ(request.title, c.title);
        EXPECT_EQ(request.text, text);
        EXPECT_EQ(request.style, c.style);
    }
}

TEST(MessageHelpers, WithoutScriptedAnswersThePreselectedButtonAnswers) {
    test::InstallRecorder();
    EXPECT_FALSE(AskYesNoDefaultNo(QStringLiteral("T"), QStringLiteral("¿Seguro?")));
    EXPECT_TRUE(AskYesNo(QStringLiteral("T"), QStringLiteral("¿Seguro?")));
    EXPECT_TRUE(AskConfirmation(QStringLiteral("¿Seguro?")));
    EXPECT_TRUE(ShowWarning(QStringLiteral("T"), QStringLiteral("Aviso")));
}

TEST(MessageHelpers, ShowErrorAndAbortShowsTheErrorThenThrowsAbortError) {
    RecordingResponder& recorder = test::InstallRecorder();
    try {
        ShowErrorAndAbort(QStringLiteral("No se pudo leer el fichero"));
        FAIL() << "no AbortError";
    } catch (const fw::AbortError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("No se pudo leer el fichero"));
    }
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests.front().title, QStringLiteral("Error"));
    EXPECT_EQ(recorder.requests.front().style, 0x30u);
}

TEST(MessageHelpers, InputTextGoesThroughTheResponder) {
    RecordingResponder& recorder = test::InstallRecorder();
    recorder.queueInputAnswer(QStringLiteral("Lista nueva"));
    recorder.queueInputAnswer(std::nullopt);
    recorder.queueInputAnswer(QString());

    QString text = QStringLiteral("Inicial");
    EXPECT_TRUE(InputText(QStringLiteral("Crear Lista"), QStringLiteral("Descripción"), text));
    EXPECT_EQ(text, QStringLiteral("Lista nueva"));
    EXPECT_FALSE(InputText(QStringLiteral("Crear Lista"), QStringLiteral("Descripción"), text));
    EXPECT_FALSE(InputText(QStringLiteral("Crear Lista"), QStringLiteral("Descripción"), text));
    EXPECT_EQ(text, QStringLiteral("Lista nueva"));

    ASSERT_EQ(recorder.requests.size(), 3u);
    const MessageRequest& first = recorder.requests.front();
    EXPECT_EQ(first.kind, MessageRequest::Kind::Input);
    EXPECT_EQ(first.caption, QStringLiteral("Crear Lista"));
    EXPECT_EQ(first.prompt, QStringLiteral("Descripción"));
    EXPECT_EQ(first.inputText, QStringLiteral("Inicial"));
}

TEST(MessageStyleTest, DefaultAnswerFollowsTheButtonSetAndDefaultBits) {
    struct Case {
        unsigned style;
        int answer;
    };
    const Case cases[] = {
        {0x0, 1},
        {0x1, 1},
        {0x101, 2},
        {0x2, 3},
        {0x102, 4},
        {0x202, 5},
        {0x3, 6},
        {0x203, 2},
        {0x4, 6},
        {0x134, 7},
        {0x5, 4},
        {0x105, 2},
        {0x204, 6},  // a third default on a
                     // two-button box falls
                     // back to the first
        {0x6, 0},    // unknown button set
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultAnswer(c.style), c.answer) << std::hex << c.style;
    }
}

TEST(MessageStyleTest, CarriageReturnsBecomeLineFeeds) {
    EXPECT_EQ(MessageDisplayText(QStringLiteral("a\rb\r\nc\r\rd")), QStringLiteral("a\nb\nc\n\nd"));
}

TEST(HeadlessResponderTest, WritesTitleAndTextAndAnswersTheDefaultButton) {
    SetMessageResponder(std::make_unique<HeadlessResponder>());
    bool defaultNo = true;
    bool yesNo = false;
    bool warning = false;
    const QString output = test::CaptureStandardError([&] {
        warning = ShowWarning(QStringLiteral("Aviso"), QStringLiteral("línea 1") + CR +
                                                           QStringLiteral("línea 2") + CR +
                                                           QChar(10) + QStringLiteral("fin"));
        defaultNo = AskYesNoDefaultNo(QStringLiteral("Borrar"), QStringLiteral("¿Borrar?"));
        yesNo = AskYesNo(QString(), QStringLiteral("¿Seguir?"));
    });
    EXPECT_TRUE(warning);
    EXPECT_FALSE(defaultNo);
    EXPECT_TRUE(yesNo);
    EXPECT_EQ(output, QStringLiteral("Aviso: línea 1\nlínea 2\nfin\n"
                                     "Borrar: ¿Borrar?\n"
                                     "Atención: ¿Seguir?\n"));
}

TEST(HeadlessResponderTest, AcceptsAnInputOnlyWithAText) {
    SetMessageResponder(std::make_unique<HeadlessResponder>());
    QString filled = QStringLiteral("Antibióticos");
    QString empty;
    bool acceptedFilled = false;
    bool acceptedEmpty = true;
    const QString output = test::CaptureStandardError([&] {
        acceptedFilled = InputText(QStringLiteral("Lista"), QStringLiteral("Nombre"), filled);
        acceptedEmpty = InputText(QStringLiteral("Lista"), QStringLiteral("Nombre"), empty);
    });
    EXPECT_TRUE(acceptedFilled);
    EXPECT_EQ(filled, QStringLiteral("Antibióticos"));
    EXPECT_FALSE(acceptedEmpty);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(output, QStringLiteral("Lista: Nombre\nLista: Nombre\n"));
}

TEST(MessageHelpers, WithoutWindowsNoBoxIsShownAndNothingIsAnswered) {
    SetMessageResponder(nullptr);
    int box = -1;
    bool yes = true;
    bool input = true;
    QString text = QStringLiteral("sin cambios");
    // Off the window thread no widget may be made, as in a run without windows.
    std::thread worker([&] {
        box = ShowMessageBox(QStringLiteral("Texto"), QStringLiteral("Título"), 0x4);
        yes = AskConfirmation(QStringLiteral("¿Seguro?"));
        input = InputText(QStringLiteral("Lista"), QStringLiteral("Nombre"), text);
    });
    worker.join();
    EXPECT_EQ(box, 0);
    EXPECT_FALSE(yes);
    EXPECT_FALSE(input);
    EXPECT_EQ(text, QStringLiteral("sin cambios"));
}

// Clicks the button captioned `caption` of the next message box, noting what the box showed.
struct BoxClicker {
    explicit BoxClicker(QString wanted) : caption(std::move(wanted)) {}

    QString caption;
    QStringList buttons;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int attempts = 0;

    void schedule() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                if (++attempts < 200) {
                    schedule();
                }
                return;
            }
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
                if (button->text() == caption) {
                    target = button;
                }
            }
            // The order on screen follows the desktop's button layout.
            buttons.sort();
            if (target != nullptr) {
                target->click();
            } else {
                box->reject();
            }
        });
    }
};

TEST(MessageBoxWindow, ShowsSpanishButtonsAndAnswersTheirCodes) {
    SetMessageResponder(nullptr);
    BoxClicker yes(QStringLiteral("Sí"));
    yes.schedule();
    const int answerYes = ShowMessageBox(QStringLiteral("¿Guardar?") + CR + QStringLiteral("Ahora"),
                                         QStringLiteral("Pregunta"), 0x23);
    EXPECT_EQ(answerYes, 6);
    EXPECT_EQ(yes.buttons, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("No"),
                                        QStringLiteral("Sí")}));
    EXPECT_EQ(yes.title, QStringLiteral("Pregunta"));
    EXPECT_EQ(yes.text, QStringLiteral("¿Guardar?\nAhora"));
    EXPECT_EQ(yes.icon, QMessageBox::Question);

    BoxClicker no(QStringLiteral("No"));
    no.schedule();
    EXPECT_FALSE(AskYesNo(QStringLiteral("Pregunta"), QStringLiteral("¿Seguir?")));
    EXPECT_EQ(no.icon, QMessageBox::Warning);

    BoxClicker ok(QStringLiteral("Aceptar"));
    ok.schedule();
    EXPECT_TRUE(ShowWarning(QString(), QStringLiteral("Hecho")));
    EXPECT_EQ(ok.title, QStringLiteral("Atención"));
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("Aceptar")});

    BoxClicker retry(QStringLiteral("Reintentar"));
    retry.schedule();
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Falló"), QStringLiteral("Error"), 0x12), 4);
    EXPECT_EQ(retry.buttons, (QStringList{QStringLiteral("Anular"), QStringLiteral("Omitir"),
                                          QStringLiteral("Reintentar")}));
    EXPECT_EQ(retry.icon, QMessageBox::Critical);
}

}  // namespace
