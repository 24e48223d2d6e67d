// The workshop window as the learner first meets it, checked as properties of the built window.

#include "tests/support/learner.h"

#include "assets/picture_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::set<std::string> names(const Form1& form, bool (*keep)(const rt::Control&))
{
    std::set<std::string> kept;
    for (const rt::Control* control : form.controls()) {
        if (keep(*control))
            kept.insert(control->displayName());
    }
    return kept;
}

TEST(WindowDesign, ShowsOnlyTheStartSet)
{
    Form1 form;
    EXPECT_EQ(names(form, [](const rt::Control& c) { return c.visible(); }),
              (std::set<std::string>{"Imgcamion", "imgbasura", "Picguardar1", "Lblguardar", "lbl1", "lbl2", "Txtmensaje",
                                     "txtAnterior", "txtActual", "cmdSimular", "cmdsalir"}));
}

TEST(WindowDesign, DisablesExactlyTheStartSet)
{
    Form1 form;
    EXPECT_EQ(names(form, [](const rt::Control& c) { return !c.enabled(); }),
              (std::set<std::string>{"Picguardar3", "Imgpuesto1", "Imgvesmol_vacio", "Imgsintapon", "Imgtapon", "imgManeral",
                                     "imgVesmol(0)", "imgVesmol(1)", "imgVesmol(2)", "imgVesmol(3)", "imgVesmol(4)", "Imgcofre",
                                     "Imgbotelleno", "Tmrparpadeo", "Tmrvesmol", "Tmrlitro"}));
}

TEST(WindowDesign, OnlyTheBinCanBeDraggedAtFirst)
{
    Form1 form;
    EXPECT_EQ(names(form, [](const rt::Control& c) { return c.reachable() && c.automaticDrag(); }),
              (std::set<std::string>{"imgbasura"}));
}

// The bar's maximum and the timers' intervals show in the animations' and the blink's own tests.
TEST(WindowDesign, StartsWithEmptyBoxesTextsAndBarsAtRest)
{
    Form1 form;
    for (const rt::PictureBox* box : {&form.Picguardar1, &form.Picguardar2, &form.Picguardar3, &form.Picmuestra})
        EXPECT_TRUE(box->picture().empty()) << box->name();
    EXPECT_EQ(form.Txtmensaje.text(), "");
    EXPECT_EQ(form.txtAnterior.text(), "0");
    EXPECT_EQ(form.txtActual.text(), "0");
    EXPECT_FALSE(form.pbravance.active() || form.pbravance2.active());
}

TEST(WindowDesign, BottlesStandLeftToRightAndOverlapByOnePixel)
{
    Form1 form;
    for (int i = 1; i < Form1::kBottles; ++i) {
        const rt::Rect left = form.imgVesmol(i - 1).rect();
        const rt::Rect right = form.imgVesmol(i).rect();
        EXPECT_EQ(right.left - left.left, 360);
        EXPECT_EQ(left.left + left.width - right.left, 15);
    }
    EXPECT_THROW(form.imgVesmol(5), std::out_of_range);
}

TEST(WindowDesign, EveryImageShowsAPictureOfTheSceneAndTheTwoUnstretchedAreItsNaturalSize)
{
    Form1 form;
    for (const rt::Control* control : form.controls()) {
        const auto* image = dynamic_cast<const rt::Image*>(control);
        if (image == nullptr)
            continue;
        const assets::PictureAsset* picture = assets::findPicture(image->picture().key());
        ASSERT_NE(picture, nullptr) << image->displayName();
        if (!image->stretch()) {
            EXPECT_EQ((rt::Size{image->rect().width, image->rect().height}), picture->natural) << image->name();
        }
    }
}

TEST(WindowDesign, TheSceneRestsOnLayers)
{
    Learner learner;
    Form1& form = learner.form;
    // What later steps need to reach lies in front of the hood, and the hood in front of the truck.
    for (rt::Image* image : {&form.Imgtapon, &form.Imgsintapon, &form.Imgfiltro_viejo1, &form.Imgcofre}) {
        image->setVisible(true);
        image->setEnabled(true);
    }
    EXPECT_EQ(form.hitTest(form.Imgsintapon.rect().centre()), &form.Imgsintapon);  // the opening covers the cap
    EXPECT_EQ(form.hitTest(form.Imgfiltro_viejo1.rect().centre()), &form.Imgfiltro_viejo1);
    EXPECT_EQ(form.hitTest({form.Imgcofre.rect().left + 15, form.Imgcofre.rect().top + 15}), &form.Imgcofre);
    // The instruction line, a window of its own, lies over the truck.
    EXPECT_EQ(form.hitTest({3000, 100}), &form.Txtmensaje);
}

TEST(WindowDesign, TabVisitsTheTextBoxesThenTheButtonsThenStorageBoxOne)
{
    Learner learner;
    std::vector<std::string> visited{learner.form.focused()->name()};
    for (int i = 0; i < 6; ++i) {
        learner.key(rt::Key::Tab);
        visited.push_back(learner.form.focused()->name());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Txtmensaje", "txtAnterior", "txtActual", "cmdSimular", "cmdsalir",
                                                 "Picguardar1", "Txtmensaje"}));
}

TEST(WindowDesign, PressingTheBinDragsItsOutlineAndReleasingDoesNothing)
{
    Learner learner;
    const rt::Point grab = learner.spotOf("imgbasura");
    const rt::Rect place = learner.form.imgbasura.rect();
    learner.form.pointerPress(grab);
    learner.form.pointerMove({grab.x + 300, grab.y - 150});
    const auto drag = learner.form.drag();
    ASSERT_TRUE(drag.has_value());
    EXPECT_EQ(drag->source, &learner.form.imgbasura);
    EXPECT_EQ(drag->outline, place.movedBy(300, -150));
    learner.form.pointerRelease({grab.x + 300, grab.y - 150});
    EXPECT_FALSE(learner.form.drag().has_value());
    EXPECT_TRUE(learner.host.boxes().empty());
    EXPECT_EQ(learner.form.imgbasura.rect(), place);
}

} // namespace
