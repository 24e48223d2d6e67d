#include "window/desktop/qt_host.h"

#include "window/desktop/form_widget.h"
#include "window/runtime/form.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace desktop {

void QtHost::exitProcess(int status)
{
    // At once: no code after the box that chose the end runs, and nothing is written.
    std::_Exit(status);
}

QtHost::QtHost(rt::Form& form, EndProgram endProgram)
    : form_(form)
    , endProgram_(std::move(endProgram))
    , window_(std::make_unique<FormWidget>(form, pictures_))
{
    window_->setOnClose([this] { form_.windowClosed(); });
    form_.attach(*this);
}

QtHost::~QtHost()
{
    form_.detach();
}

void QtHost::show()
{
    // Only now: the start-up boxes before need no picture, and so come without waiting for them.
    pictures_.load();
    window_->setWindowIcon(PictureCache::windowIcon(form_.icon().key()));
    window_->show();
    if (const rt::Control* focused = form_.focused())
        window_->focus(*focused);
}

int QtHost::showMessageBox(const rt::MessageBox& box)
{
    QMessageBox dialog(window_->isVisible() ? window_.get() : nullptr);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(QString::fromStdString(box.title));
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(QString::fromStdString(box.prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QPushButton* ok = dialog.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (box.buttons == rt::vbOKCancel + rt::vbQuestion) {
        dialog.setIcon(QMessageBox::Question);
        cancel = dialog.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    }
    dialog.setDefaultButton(ok);
    // Esc and the close box: Cancel where there is one, else OK.
    dialog.setEscapeButton(cancel != nullptr ? cancel : ok);
    dialog.exec();
    return cancel != nullptr && dialog.clickedButton() == cancel ? rt::vbCancel : rt::vbOK;
}

void QtHost::controlChanged(const rt::Control& control)
{
    window_->sync(control);
}

void QtHost::refreshNow(const rt::Control& control)
{
    window_->repaintNow(control);
}

QTimer& QtHost::timerFor(const rt::Timer& timer)
{
    QTimer*& qtimer = timers_[&timer];
    if (qtimer == nullptr) {
        qtimer = new QTimer(window_.get());
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer, &QTimer::timeout, window_.get(), [this, &timer] { form_.tick(timer); });
    }
    return *qtimer;
}

void QtHost::startTimer(const rt::Timer& timer)
{
    timerFor(timer).start(timer.interval());
}

void QtHost::stopTimer(const rt::Timer& timer)
{
    timerFor(timer).stop();
}

void QtHost::stopTimers()
{
    for (auto& [timer, qtimer] : timers_)
        qtimer->stop();
}

void QtHost::focusChanged(const rt::Control& control)
{
    window_->focus(control);
}

void QtHost::textSelected(const rt::Control& textBox)
{
    window_->selectAllText(textBox);
}

void QtHost::dragChanged(const std::optional<rt::Rect>& outline)
{
    window_->showDragOutline(outline);
}

void QtHost::end()
{
    stopTimers();
    endProgram_(EXIT_SUCCESS);
}

void QtHost::fail(const std::string& fault)
{
    stopTimers();
    std::fprintf(stderr, "%s: internal fault, the program ends: %s\n",
                 qPrintable(QCoreApplication::applicationName()), fault.c_str());
    endProgram_(EXIT_FAILURE);
}

} // namespace desktop
