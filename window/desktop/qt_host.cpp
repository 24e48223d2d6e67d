#include "qt_host.h"

#include "form_widget.h"
#include "../runtime/form.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

namespace desktop {

QtHost::QtHost(rt::Form& form, std::function<void()> endProgram)
    : form_(form)
    , endProgram_(std::move(endProgram))
    , window_(std::make_unique<FormWidget>(form, pictures_))
{
    if (!endProgram_)
        endProgram_ = [] { std::_Exit(0); };
    window_->setOnClose([this] { form_.windowClosed(); });
    form_.attach(*this);
}

QtHost::~QtHost()
{
    form_.detach();
    for (auto& [timer, qtimer] : timers_)
        delete qtimer;
}

void QtHost::show()
{
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
        qtimer = new QTimer;
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer, &QTimer::timeout, [this, &timer] { form_.tick(timer); });
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

void QtHost::focusChanged(const rt::Control& control)
{
    window_->focus(control);
}

void QtHost::textSelected(const rt::Control& textBox)
{
    window_->selectAllText(textBox);
}

void QtHost::dragChanged()
{
    window_->updateDragOutline();
}

void QtHost::end()
{
    for (auto& [timer, qtimer] : timers_)
        qtimer->stop();
    endProgram_();
}

} // namespace desktop
