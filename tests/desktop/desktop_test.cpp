// The Qt desktop host, offscreen: geometry, keys, a real mouse drag, and the message boxes.

#include "tests/desktop/desktop_driver.h"

#include "window/desktop/control_widgets.h"
#include "procedure/procedures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Desktop, TheWindowHasItsClientSizeAndTheWindowedControlsTheirPlaces)
{
    ShownWindow shown;
    EXPECT_EQ(shown.window().size(), QSize(638, 419));
    EXPECT_EQ(shown.window().windowTitle(), "Cambio de vesmol");
    EXPECT_FALSE(shown.window().windowIcon().isNull());
    EXPECT_EQ(shown.widget(shown.form.txtActual)->geometry(), QRect(136, 368, 97, 25));
    EXPECT_EQ(shown.widget(shown.form.cmdSimular)->geometry(), QRect(368, 376, 129, 33));
    EXPECT_EQ(shown.widget(shown.form.Picguardar1)->geometry(), QRect(0, 264, 25, 25));
    EXPECT_EQ(shown.widget(shown.form.pbravance)->geometry(), QRect(88, 216, 297, 17));
    EXPECT_FALSE(shown.widget(shown.form.pbravance)->isVisible());
    EXPECT_TRUE(shown.widget(shown.form.Txtmensaje)->isVisible());
    EXPECT_EQ(qobject_cast<QPushButton*>(shown.widget(shown.form.cmdsalir))->text(), "&Salir");
}

TEST(Desktop, TheWindowedControlsStackInDesignOrder)
{
    ShownWindow shown;
    // The progress bar that is used lies behind the one that never shows.
    const QObjectList children = shown.window().children();
    EXPECT_LT(children.indexOf(shown.widget(shown.form.pbravance)), children.indexOf(shown.widget(shown.form.pbravance2)));
    EXPECT_LT(children.indexOf(shown.widget(shown.form.Txtmensaje)), children.indexOf(shown.widget(shown.form.txtAnterior)));
}

TEST(Desktop, EnterInATextBoxPressesSimularAndEscPressesSalir)
{
    ShownWindow shown;
    int simulated = 0;
    shown.form.on(shown.form.cmdSimular, rt::Event::Click, [&] { ++simulated; });
    shown.key(shown.widget(shown.form.txtAnterior), Qt::Key_Return);
    EXPECT_EQ(simulated, 1);
    EXPECT_FALSE(shown.ended);
    shown.key(shown.widget(shown.form.Txtmensaje), Qt::Key_Escape);
    EXPECT_TRUE(shown.ended);
}

TEST(Desktop, TypingReachesTheRuntimeUnlessTheBoxIsDisabledAndTabMovesTheRealFocus)
{
    ShownWindow shown;
    auto* anterior = qobject_cast<QLineEdit*>(shown.widget(shown.form.txtAnterior));
    shown.key(shown.widget(shown.form.Txtmensaje), Qt::Key_Tab);
    EXPECT_EQ(shown.form.focused(), &shown.form.txtAnterior);
    EXPECT_TRUE(anterior->hasFocus() || QApplication::focusWidget() == anterior);
    anterior->selectAll();
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(anterior, &typed);
    EXPECT_EQ(shown.form.txtAnterior.text(), "7");
    shown.form.txtAnterior.setEnabled(false);
    QApplication::sendEvent(anterior, &typed);
    EXPECT_EQ(shown.form.txtAnterior.text(), "7");
    // The focus has moved on along the tab order, on the runtime's side and on Qt's alike.
    EXPECT_EQ(shown.form.focused(), &shown.form.txtActual);
    EXPECT_EQ(QApplication::focusWidget(), shown.widget(shown.form.txtActual));
    shown.form.txtActual.setText("5000");
    EXPECT_EQ(qobject_cast<QLineEdit*>(shown.widget(shown.form.txtActual))->text(), "5000");
}

// Real clicks on the real buttons: Qt delivers them to the child widgets, which press as buttons do,
// and the runtime raises Click once the button has come up.
TEST(Desktop, MouseClicksAndDoubleClicksOnTheButtonsRunTheirProcedures)
{
    ShownWindow shown;
    BoxAnswerer answerer;
    QTest::mouseClick(shown.widget(shown.form.cmdSimular), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !answerer.seen.empty(); }, 3000)) << "no box after a click on Simular";
    EXPECT_EQ(answerer.texts(), std::vector<std::string>{"No se va a cambiar el vesmol,0"});
    EXPECT_FALSE(shown.ended);

    // A double-click through the window, as the platform delivers one, in a single batch: the first
    // press and release are a Click, so the box opens again; that box came between the two presses,
    // so the second is a Click of its own, and the box opens once more.
    QTest::mouseDClick(shown.window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       shown.widget(shown.form.cmdSimular)->geometry().center());
    ASSERT_TRUE(waitUntil([&] { return answerer.seen.size() == 3; }, 3000)) << "not two boxes after a double-click on Simular";

    QTest::mouseClick(shown.widget(shown.form.cmdsalir), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return shown.ended; }, 3000)) << "a click on Salir did not end the program";
    EXPECT_EQ(shown.endStatus, EXIT_SUCCESS);
}

TEST(Desktop, AFaultInAProcedureEndsTheProgramWithAFailureStatus)
{
    ShownWindow shown;
    shown.form.on(shown.form.cmdSimular, rt::Event::Click, [] { throw std::logic_error("a procedure gone wrong"); });
    shown.key(shown.widget(shown.form.txtAnterior), Qt::Key_Return);
    EXPECT_TRUE(shown.ended);
    EXPECT_EQ(shown.endStatus, EXIT_FAILURE);
}

// On its way the drag passes the truck, where the other button is pressed and released: that does
// nothing, and the drag goes on.
TEST(Desktop, AMouseDragOfTheBinDrawsItsOutlineAndDropsOnStorageBoxOneWhateverTheOtherButtonDoes)
{
    ShownWindow shown;
    std::vector<std::string> events;
    shown.form.on(shown.form.Picguardar1, rt::Event::DragOver, [&] { events.push_back("over"); });
    shown.form.on(shown.form.Picguardar1, rt::Event::DragDrop, [&] { events.push_back("drop"); });
    shown.form.on(shown.form.Imgcamion, rt::Event::Click, [&] { events.push_back("truck clicked"); });
    const QPoint bin(100, 300);       // inside the bin: 88..135 x 280..323
    const QPoint boxOne(10, 270);     // inside storage box 1: 0..24 x 264..288
    const QPoint truck = shown.spot(shown.form.Imgcamion);
    shown.mouse(QEvent::MouseButtonPress, bin);
    shown.mouse(QEvent::MouseMove, truck);
    shown.mouse(QEvent::MouseButtonPress, truck, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    shown.mouse(QEvent::MouseButtonRelease, truck, Qt::RightButton, Qt::LeftButton);
    shown.mouse(QEvent::MouseMove, boxOne);
    const desktop::DragOutline* outline = &shown.window().dragOutline();
    EXPECT_EQ(outline->outline(), QRect(88 - 90, 280 - 30, 48, 44));
    shown.mouse(QEvent::MouseButtonRelease, boxOne);
    EXPECT_EQ(events, (std::vector<std::string>{"over", "drop"}));
    EXPECT_TRUE(outline->outline().isEmpty());
}

TEST(Desktop, TheStartUpBoxesComeInOrderWithTheirCaptionAndAceptar)
{
    Workshop workshop([](int) {});
    BoxAnswerer answerer;
    workshop.form().Load();
    ASSERT_EQ(answerer.seen.size(), 3u);
    EXPECT_EQ(answerer.seen[0].second.toStdString(), [] {
        std::string shown = creditsText();
        for (std::size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
            shown.erase(at, 1);
        return shown;
    }());
    EXPECT_EQ(answerer.seen[1].second, "Este programa permite simular el cambio de vesmol ");
    for (const auto& [caption, text] : answerer.seen)
        EXPECT_EQ(caption, "vesmol");
    EXPECT_TRUE(answerer.buttonTexts.contains("Aceptar"));
    EXPECT_FALSE(workshop.host().window().isVisible());
}

// The question asked from a timer's procedure, as the runtime's rules have it on either host: the
// other timer ticks on inside the box, the timer that opened it does not tick again until it closes.
TEST(Desktop, TheQuestionAnswersCancelAndOnlyOtherTimersTickWhileATimersBoxIsOpen)
{
    ShownWindow shown;
    int litres = 0;
    int drains = 0;
    int litresInTheBox = 0;
    int drainsInTheBox = 0;
    int answer = 0;
    shown.form.on(shown.form.Tmrlitro, rt::Event::Timer, [&] { ++litres; });
    shown.form.on(shown.form.Tmrvesmol, rt::Event::Timer, [&] {
        if (++drains > 1)
            return;
        const int litresBefore = litres;
        answer = shown.form.MsgBox("Desea otro cambio de vesmol", rt::vbOKCancel + rt::vbQuestion, "Cambio de vesmol");
        litresInTheBox = litres - litresBefore;
        drainsInTheBox = drains - 1;
    });
    BoxAnswerer answerer(QMessageBox::RejectRole, 200);
    shown.form.Tmrlitro.setEnabled(true);
    shown.form.Tmrvesmol.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return answer != 0; }, 5000)) << "the box never closed";
    EXPECT_EQ(answer, rt::vbCancel);
    EXPECT_TRUE(answerer.buttonTexts.contains("Cancelar"));
    EXPECT_EQ(answerer.seen.at(0).first, "Cambio de vesmol");
    // 25 ms ticks through 200 ms of open box: a handful, however busy the machine is.
    EXPECT_GE(litresInTheBox, 2);
    EXPECT_EQ(drainsInTheBox, 0);
}

TEST(Desktop, EscClosesAnOkBoxAndAnswersCancelInTheQuestionWhileTheWindowShows)
{
    ShownWindow shown;
    std::vector<int> answers;
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, &escape, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box->focusWidget() != nullptr ? box->focusWidget() : box, &press);
        }
    });
    escape.start(10);
    answers.push_back(shown.form.MsgBox("Coloca el primer litro vesmol"));
    answers.push_back(shown.form.MsgBox("Desea otro cambio de vesmol", rt::vbOKCancel + rt::vbQuestion, "Cambio de vesmol"));
    EXPECT_EQ(answers, (std::vector<int>{rt::vbOK, rt::vbCancel}));
    EXPECT_FALSE(shown.ended);
}

TEST(Desktop, EnlargingTheWindowRearrangesNothingAndTheOutlineStillReachesEverywhere)
{
    ShownWindow shown;
    const QRect simular = shown.widget(shown.form.cmdSimular)->geometry();
    shown.window().resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(shown.widget(shown.form.cmdSimular)->geometry(), simular);
    shown.mouse(QEvent::MouseButtonPress, shown.spot(shown.form.imgbasura));
    shown.mouse(QEvent::MouseMove, QPoint(850, 650));
    EXPECT_TRUE(shown.window().dragOutline().geometry().contains(QPoint(850, 650)));
    shown.mouse(QEvent::MouseButtonRelease, QPoint(850, 650));
}

// Offscreen, as on Wayland, the client area is all the window knows of where the pointer is: past the
// edge of the shrunk window no control is reached, and a double-click spanning the pointer's leaving
// is two clicks.
TEST(Desktop, ThePointerOutsideTheClientAreaReachesNoControl)
{
    ShownWindow shown;
    std::vector<std::string> events;
    shown.form.on(shown.form.cmdSimular, rt::Event::DragDrop, [&] { events.push_back("drop"); });
    shown.form.on(shown.form.Picguardar1, rt::Event::DblClick, [&] { events.push_back("double-click"); });
    const QPoint bin = shown.spot(shown.form.imgbasura);
    const QPoint simular = shown.spot(shown.form.cmdSimular);
    shown.window().resize(simular.x() - 10, shown.window().height());
    ASSERT_TRUE(waitUntil([&] { return !shown.window().rect().contains(simular); }));
    shown.mouse(QEvent::MouseButtonPress, bin);
    shown.mouse(QEvent::MouseMove, simular);
    shown.mouse(QEvent::MouseButtonRelease, simular);
    EXPECT_TRUE(events.empty()) << "a drop past the window's edge reached the button lying there";

    const QPoint boxOne = shown.spot(shown.form.Picguardar1);
    shown.click(shown.form.Picguardar1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&shown.window(), &leave);
    shown.mouse(QEvent::MouseButtonDblClick, boxOne);
    shown.mouse(QEvent::MouseButtonRelease, boxOne);
    EXPECT_TRUE(events.empty()) << "a double-click spanned the pointer's leaving";
    shown.doubleClick(shown.form.Picguardar1);
    EXPECT_EQ(events, std::vector<std::string>{"double-click"});
}

TEST(Desktop, ClosingTheWindowEndsTheProgramWithoutAQuestion)
{
    ShownWindow shown;
    BoxAnswerer answerer;
    shown.form.Tmrparpadeo.setEnabled(true);
    shown.window().close();
    EXPECT_TRUE(shown.ended);
    EXPECT_TRUE(shown.form.ended());
    EXPECT_TRUE(answerer.seen.empty());
}

} // namespace
