#pragma once

// Drives the real window offscreen: Qt mouse and key events sent to the widgets, message boxes
// answered as they open, waiting on the real event loop with a deadline.

#include "window/desktop/form_widget.h"
#include "window/workshop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The window as the program shows it, after its start-up, with every procedure wired. Its end is
// noted instead of ending the test program.
struct ShownWindow {
    ShownWindow()
    {
        workshop.host().show();
        window().activateWindow();
        QApplication::setActiveWindow(&window());
    }

    desktop::FormWidget& window() const { return workshop.host().window(); }
    QWidget* widget(const rt::Control& control) const { return window().widgetOf(control); }
    QRect area(const rt::Control& control) const { return desktop::FormWidget::pixelRect(control); }
    // What the learner sees: the window as drawn now.
    QImage grab() const { return window().grab().toImage(); }
    QColor background() const { return window().palette().color(QPalette::Window); }
    desktop::PictureCache& pictures() { return workshop.host().pictures(); }

    // The primary button alone, as a learner mostly uses the mouse.
    void mouse(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        mouse(type, at, button, held);
    }

    // `button` pressed or released while the buttons `held` are down after the event.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(window().mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&window(), &event);
    }

    void key(QWidget* to, int key, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(to, &press);
    }

    // A pixel where the control is what the pointer hits.
    QPoint spot(const rt::Control& control) const
    {
        const QRect pixels = area(control);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (form.hitTest({rt::twipsFromPixel(x), rt::twipsFromPixel(y)}) == &control)
                    return {x, y};
            }
        }
        return pixels.center();
    }

    void click(const rt::Control& control)
    {
        const QPoint at = spot(control);
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }

    void doubleClick(const rt::Control& control)
    {
        const QPoint at = spot(control);
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
        mouse(QEvent::MouseButtonDblClick, at);
        mouse(QEvent::MouseButtonRelease, at);
    }

    void drag(const rt::Control& from, const rt::Control& to)
    {
        const QPoint start = spot(from);
        const QPoint end = spot(to);
        mouse(QEvent::MouseButtonPress, start);
        mouse(QEvent::MouseMove, (start + end) / 2);
        mouse(QEvent::MouseMove, end);
        mouse(QEvent::MouseButtonRelease, end);
    }

    bool ended = false;
    int endStatus = -1;
    Workshop workshop{[this](int status) {
        ended = true;
        endStatus = status;
    }};
    Form1& form = workshop.form();
};

// Answers every message box as it opens, noting its caption and text; the question is answered
// with `question`, every other box with OK. With a delay, a box stays open that long first.
struct BoxAnswerer {
    explicit BoxAnswerer(QMessageBox::ButtonRole question = QMessageBox::AcceptRole, int delayMs = 0)
    {
        QObject::connect(&poll, &QTimer::timeout, &poll, [this, question, delayMs] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            if (!openSince.isValid())
                openSince.start();
            if (openSince.elapsed() < delayMs)
                return;
            openSince.invalidate();
            seen.push_back({box->windowTitle(), box->text()});
            const QMessageBox::ButtonRole role = box->buttons().size() > 1 ? question : QMessageBox::AcceptRole;
            for (QAbstractButton* button : box->buttons()) {
                buttonTexts.push_back(button->text());
                if (box->buttonRole(button) == role) {
                    button->click();
                    return;
                }
            }
        });
        poll.start(5);
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const auto& [caption, text] : seen)
            all.push_back(text.toStdString());
        return all;
    }

    QTimer poll;
    QElapsedTimer openSince;
    std::vector<std::pair<QString, QString>> seen;
    QStringList buttonTexts;
};

// Runs the real event loop until the condition holds or the deadline passes.
inline bool waitUntil(const std::function<bool()>& condition, int deadlineMs = 10'000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > deadlineMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}
