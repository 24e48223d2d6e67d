// A whole oil change through the real window: Qt mouse and key events, boxes answered as they
// open, the animations on real timers.

#include "tests/desktop/desktop_driver.h"

#include <QLineEdit>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <set>

namespace {

// Every value the real progress bar takes, in order.
struct BarWatcher {
    explicit BarWatcher(QWidget* bar)
    {
        auto* progress = qobject_cast<QProgressBar*>(bar);
        QObject::connect(progress, &QProgressBar::valueChanged, progress, [this](int value) { values.push_back(value); });
    }
    std::vector<int> values;
};

std::vector<int> oneToHundred()
{
    std::vector<int> values;
    for (int v = 1; v <= 100; ++v)
        values.push_back(v);
    return values;
}

void typeMileage(ShownWindow& shown, const rt::TextBox& box, const QString& digits)
{
    auto* edit = qobject_cast<QLineEdit*>(shown.widget(box));
    edit->setFocus();
    edit->selectAll();
    for (QChar digit : digits)
        shown.key(edit, Qt::Key_0 + digit.digitValue(), QString(digit));
}

std::set<std::string> shownControls(const Form1& form)
{
    std::set<std::string> names;
    for (const rt::Control* control : form.controls()) {
        if (control->visible())
            names.insert(control->displayName());
    }
    return names;
}

// From the mileages to the pail placed: the steps before the drain.
void upToThePail(ShownWindow& shown)
{
    Form1& f = shown.form;
    typeMileage(shown, f.txtActual, "5000");
    shown.key(shown.widget(f.txtActual), Qt::Key_Return);
    shown.click(f.Imgcamion);
    ASSERT_TRUE(waitUntil([&] { return f.Imgtapon.visible(); }, 3000)) << "the cap never blinked into view";
    shown.drag(f.Imgtapon, f.Picguardar1);
    shown.drag(f.imgBotevacio, f.Picmuestra);
}

TEST(FullRun, TheDrainFillsTheRealBarInAHundredTicksAndAWholeRunEndsInTheStartState)
{
    ShownWindow shown;
    Form1& f = shown.form;
    BoxAnswerer answerer;
    BarWatcher bar(shown.widget(f.pbravance));
    const std::set<std::string> shownAtStart = shownControls(f);

    upToThePail(shown);
    shown.drag(f.imgManeral, f.imgDadotrescuartos);
    shown.drag(f.Imgpuesto, f.Imgtuerca);
    shown.drag(f.Imgpuesto1, f.Picguardar2);
    ASSERT_TRUE(waitUntil([&] { return f.Imgquitafiltro.visible() && !f.pbravance.visible(); }));
    EXPECT_EQ(bar.values, oneToHundred());
    EXPECT_EQ(f.Intcontador, 101);

    shown.drag(f.Imgquitafiltro, f.Imgfiltro_viejo1);
    shown.drag(f.imgfiltroviejo2, f.imgbasura);
    shown.doubleClick(f.imgFiltro_nuevo);
    shown.doubleClick(f.Picguardar2);
    shown.drag(f.Picguardar3, f.Imgtuerca2);
    shown.doubleClick(f.Picmuestra);
    for (int k = 0; k < Form1::kBottles; ++k) {
        bar.values.clear();
        shown.drag(f.imgVesmol(k), f.Imgsintapon);
        ASSERT_TRUE(waitUntil([&] { return f.Imgvesmol_vacio.visible() && !f.pbravance.visible(); })) << "litre " << k;
        EXPECT_EQ(bar.values.size(), 100u) << "litre " << k;
        shown.drag(f.Imgvesmol_vacio, f.imgbasura);
    }
    EXPECT_EQ(f.txtAnterior.text(), "5000");
    shown.doubleClick(f.Picguardar1);

    const std::vector<std::string> texts = answerer.texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[texts.size() - 2], "Desea otro cambio de vesmol");
    EXPECT_EQ(answerer.seen[answerer.seen.size() - 2].first, "Cambio de vesmol");
    EXPECT_EQ(texts.back(), "Agrega los datos necesarios en el kilometraje anterior y Actual para iniciar. ");
    EXPECT_EQ(texts.size(), 25u);  // every box of the run, the last three from the completion
    EXPECT_EQ(shownControls(f), shownAtStart);
    EXPECT_EQ(qobject_cast<QLineEdit*>(shown.widget(f.txtActual))->text(), "0");
    EXPECT_FALSE(shown.ended);
}

TEST(FullRun, CancelOnTheQuestionEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Workshop workshop;  // the program's own end: the process stops at once
            Form1& form = workshop.form();
            workshop.host().show();
            BoxAnswerer answerer(QMessageBox::RejectRole);
            form.Picguardar1.setVisible(true);
            const QPoint at = desktop::FormWidget::pixelRect(form.Picguardar1).center();
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
                QMouseEvent event(type, QPointF(at), QPointF(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&workshop.host().window(), &event);
            }
            std::fprintf(stderr, "still running after Cancel\n");
            std::exit(3);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
