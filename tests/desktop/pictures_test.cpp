// The scene's pictures as the learner sees them: each drawn at its size, opaque or see-through as it
// should be, the bottles alike, and copies in the picture boxes cut rather than scaled.

#include "tests/desktop/desktop_driver.h"

#include "assets/picture_table.h"
#include "window/desktop/control_widgets.h"
#include "window/desktop/picture_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Inside a picture box's border, in window coordinates.
QRect innerArea(const ShownWindow& shown, const rt::PictureBox& box)
{
    constexpr int border = desktop::PictureBoxWidget::kBorder;
    return shown.area(box).adjusted(border, border, -border, -border);
}

bool near(QColor a, QColor b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Mean difference per colour channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Empty when both show the same pixels in the area, else where and how they first differ.
std::string difference(const QImage& a, const QImage& b, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixelColor(x, y).rgb() != b.pixelColor(x, y).rgb()) {
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       a.pixelColor(x, y).name().toStdString() + " instead of " + b.pixelColor(x, y).name().toStdString();
            }
        }
    }
    return "";
}

int countNear(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), colour) ? 1 : 0;
    }
    return count;
}

// Where something is drawn on the picture's ground (its top-left pixel).
QRect drawnArea(const QImage& image)
{
    const QColor ground = image.pixelColor(0, 0);
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!near(image.pixelColor(x, y), ground, 24))
                drawn |= QRect(x, y, 1, 1);
        }
    }
    return drawn;
}

// Each bitmap as its description gives it: its ground and the colours it names.
struct Described {
    const char* key;
    QColor topGround;
    std::optional<QColor> bottomGround;  // none where a shape runs into the corner
    std::vector<QColor> named;
};

void PrintTo(const Described& d, std::ostream* os)
{
    *os << d.key;
}

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0, 0, 0);
const QColor kMidGrey(0x80, 0x80, 0x80);
const QColor kLightGrey(0xC0, 0xC0, 0xC0);
const QColor kDarkBlue(0x00, 0x00, 0x8B);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

class EveryBitmap : public testing::TestWithParam<Described> {};

TEST_P(EveryBitmap, IsOpaqueOnItsGround)
{
    const Described& d = GetParam();
    const assets::PictureAsset* asset = assets::findPicture(d.key);
    ASSERT_NE(asset, nullptr);
    desktop::PictureCache pictures;
    pictures.load();
    const QImage bitmap = pictures.bitmap(d.key);
    EXPECT_FALSE(bitmap.hasAlphaChannel());
    // A plain bitmap shows unscaled where it is not stretched: 15 twips to a pixel.
    if (asset->kind == assets::PictureKind::Bitmap) {
        EXPECT_EQ(pictures.natural(d.key).size(), bitmap.size());
    }
    const int right = bitmap.width() - 1;
    const int bottom = bitmap.height() - 1;
    std::vector<std::pair<QPoint, QColor>> corners{{{0, 0}, d.topGround}, {{right, 0}, d.topGround}};
    if (d.bottomGround)
        corners.insert(corners.end(), {{{0, bottom}, *d.bottomGround}, {{right, bottom}, *d.bottomGround}});
    for (const auto& [corner, ground] : corners) {
        EXPECT_TRUE(near(bitmap.pixelColor(corner), ground))
            << corner.x() << "," << corner.y() << ": " << bitmap.pixelColor(corner).name().toStdString();
    }
    for (const QColor& colour : d.named)
        EXPECT_GE(countNear(bitmap, colour), 2) << "no " << colour.name().toStdString();
    // Something is drawn on the ground, not an empty placeholder.
    EXPECT_GE(drawnArea(bitmap).width() * drawnArea(bitmap).height(), bitmap.width() * bitmap.height() / 10);
}

INSTANTIATE_TEST_SUITE_P(
    ScenePictures, EveryBitmap,
    testing::Values(
        // The hood's white bottom band curves up from the very corners, which are half grey.
        Described{"cofre", kMidGrey, std::nullopt, {kBlack, kWhite}},
        Described{"sintapon", kBlack, kBlack, {kMidGrey, kWhite}},
        Described{"tapon", kWhite, kWhite, {kMidGrey, kBlack}},
        Described{"filtro_viejo1", kBlack, kBlack, {QColor(0x0080FF)}},
        Described{"filtroviejo2", kWhite, kWhite, {kBlack}},
        Described{"quitafiltro", kWhite, kWhite, {kBlack}},
        Described{"filtro_nuevo", kLightGrey, kLightGrey, {QColor(0x0000FF), kBlack}},
        Described{"filtronuevo2", kLightGrey, kLightGrey, {kBlack}},
        Described{"maneral", kWhite, kWhite, {}},
        Described{"dadotrescuartos", kWhite, kWhite, {}},
        Described{"puesto", kWhite, kWhite, {}},
        Described{"puesto1", kWhite, kWhite, {}},
        Described{"tuerca", kWhite, kWhite, {kLightGrey, kMidGrey}},
        Described{"tuerca2", kWhite, kWhite, {}},
        Described{"botevacio", kWhite, kWhite, {}},
        Described{"botelleno", kWhite, kWhite, {kBlack}},
        Described{"vesmol", kLightGrey, kLightGrey,
                  {QColor(0x004040), kRed, kYellow}},
        Described{"vesmol_vacio", kBlack, kBlack,
                  {kRed, kYellow, kWhite}},
        Described{"basura", kDarkBlue, kDarkBlue, {}}),
    [](const testing::TestParamInfo<Described>& row) { return std::string(row.param.key); });

TEST(ScenePictures, TheTruckIsSeeThroughOutsideItsShapesAndFillsItsControl)
{
    ShownWindow shown;
    const QRect truck = shown.area(shown.form.Imgcamion);
    const QImage drawn = shown.pictures().stretched("camion", truck.size()).toImage();
    ASSERT_TRUE(drawn.hasAlphaChannel());
    const QImage window = shown.grab();
    const int belowInstructionLine = shown.area(shown.form.Txtmensaje).bottom() + 1;

    // Beside the trailer, beside the cab's foot and between the wheels (the shadow alone runs out to
    // the lower right corner), the window's own background shows.
    for (QPoint clear :
         {QPoint(0, 0), QPoint(368, 0), QPoint(2, 30), QPoint(366, 30), QPoint(0, 272), QPoint(184, 268)}) {
        EXPECT_EQ(drawn.pixelColor(clear).alpha(), 0) << clear.x() << "," << clear.y();
        const QPoint at = truck.topLeft() + clear;
        if (at.y() >= belowInstructionLine) {
            EXPECT_EQ(window.pixelColor(at), shown.background()) << at.x() << "," << at.y();
        }
    }
    // Where it is drawn solid, the window shows it as drawn at its control's size, wider than tall.
    int solid = 0;
    int differing = 0;
    for (int y = belowInstructionLine; y <= truck.bottom(); ++y) {
        for (int x = truck.left(); x <= truck.right(); ++x) {
            const QColor pixel = drawn.pixelColor(x - truck.left(), y - truck.top());
            if (pixel.alpha() == 255) {
                ++solid;
                differing += window.pixelColor(x, y).rgb() == pixel.rgb() ? 0 : 1;
            }
        }
    }
    EXPECT_GT(solid, truck.width() * truck.height() / 3);
    EXPECT_EQ(differing, 0);
}

TEST(ScenePictures, TheFiveBottlesShowOnePicture)
{
    ShownWindow shown;
    for (int k = 0; k < Form1::kBottles; ++k)
        shown.form.imgVesmol(k).setVisible(true);
    const QImage window = shown.grab();
    // Each bottle's right column lies under its neighbour, so compare what every bottle shows whole.
    const QRect first = shown.area(shown.form.imgVesmol(0)).adjusted(0, 0, -1, 0);
    for (int k = 1; k < Form1::kBottles; ++k) {
        const QRect area = shown.area(shown.form.imgVesmol(k)).adjusted(0, 0, -1, 0);
        EXPECT_EQ(difference(window.copy(area), window.copy(first), QRect(QPoint(0, 0), first.size())), "")
            << "bottle " << k;
    }
}

// A copy into a picture box, and what of its drawing the box cuts off at its inner edges.
struct Copy {
    const char* box;
    const char* image;
    bool cutsRight;
    bool cutsBottom;
};

void PrintTo(const Copy& c, std::ostream* os)
{
    *os << c.image << " into " << c.box;
}

class PictureBoxCopy : public testing::TestWithParam<Copy> {};

TEST_P(PictureBoxCopy, ShowsTheCopyAtNaturalSizeFromTheTopLeftCutUntilCleared)
{
    ShownWindow shown;
    auto& box = shown.form.control<rt::PictureBox>(GetParam().box);
    const auto& image = shown.form.control<rt::Image>(GetParam().image);
    box.setVisible(true);
    const QRect inner = innerArea(shown, box);
    const QImage empty = shown.grab().copy(inner);

    box.setPicture(image.picture());
    const QImage seen = shown.grab().copy(inner);
    const QImage picture = shown.pictures().natural(image.picture().key()).toImage();
    const QRect overlap = QRect(QPoint(0, 0), inner.size()) & picture.rect();
    EXPECT_EQ(difference(seen, picture, overlap), "");
    // Where the picture ends before the box does, the box stays as it was.
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            if (!overlap.contains(x, y)) {
                ASSERT_EQ(difference(seen, empty, QRect(x, y, 1, 1)), "");
            }
        }
    }
    const QRect drawn = drawnArea(picture);
    EXPECT_EQ(drawn.right() >= inner.width(), GetParam().cutsRight) << "drawn to x " << drawn.right();
    EXPECT_EQ(drawn.bottom() >= inner.height(), GetParam().cutsBottom) << "drawn to y " << drawn.bottom();
    EXPECT_TRUE(drawn.intersects(QRect(QPoint(0, 0), inner.size()))) << "nothing of the drawing shows";

    // Cleared as the reset clears it, the box is empty again.
    box.setPicture(rt::LoadPicture(""));
    EXPECT_EQ(difference(shown.grab().copy(inner), empty, QRect(QPoint(0, 0), inner.size())), "");
}

INSTANTIATE_TEST_SUITE_P(ScenePictures, PictureBoxCopy,
                         testing::Values(Copy{"Picguardar1", "Imgtapon", true, true},
                                         Copy{"Picmuestra", "imgBotevacio", false, true},
                                         Copy{"Picguardar2", "Imgtuerca", true, true},
                                         Copy{"Picguardar3", "Imgpuesto", true, true},
                                         Copy{"Picmuestra", "Imgbotelleno", true, false}),
                         [](const testing::TestParamInfo<Copy>& row) {
                             return std::string(row.param.image) + "In" + row.param.box;
                         });

TEST(ScenePictures, StorageBoxTwoShowsTwoThirdsOfTheNutsWidthAndHalfItsHeight)
{
    ShownWindow shown;
    const QRect inner = innerArea(shown, shown.form.Picguardar2);
    const QRect nut = drawnArea(shown.pictures().natural(shown.form.Imgtuerca.picture().key()).toImage());
    const double width = double(inner.width() - nut.left()) / nut.width();
    const double height = double(inner.height() - nut.top()) / nut.height();
    EXPECT_NEAR(width, 2.0 / 3.0, 0.1);
    EXPECT_NEAR(height, 0.5, 0.1);
}

TEST(ScenePictures, StorageBoxThreeShowsOnlyASliceOfTheToolOnWhite)
{
    ShownWindow shown;
    auto& box = shown.form.Picguardar3;
    box.setVisible(true);
    box.setPicture(shown.form.Imgpuesto.picture());
    const QImage seen = shown.grab().copy(innerArea(shown, box));
    const int white = countNear(seen, kWhite);
    EXPECT_GT(white, seen.width() * seen.height() / 2);
    EXPECT_LT(white, seen.width() * seen.height());
}

// An Image alone on the window.
struct Shown {
    const char* name;
    int index;
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.name;
}

// The window with only this image shown.
QImage grabAlone(ShownWindow& shown, rt::Image& image)
{
    for (rt::Control* control : shown.form.controls())
        control->setVisible(false);
    image.setVisible(true);
    return shown.grab();
}

// How sharp a picture is: the mean difference between each pixel and its right and lower neighbours.
double contrastBetweenNeighbours(const QImage& image)
{
    const QImage right = image.copy(1, 0, image.width() - 1, image.height());
    const QImage below = image.copy(0, 1, image.width(), image.height() - 1);
    return meanDifference(image.copy(0, 0, image.width() - 1, image.height()), right) +
           meanDifference(image.copy(0, 0, image.width(), image.height() - 1), below);
}

class EveryImage : public testing::TestWithParam<Shown> {};

TEST_P(EveryImage, CoversItsControlExactly)
{
    ShownWindow shown;
    auto& image = shown.form.control<rt::Image>(GetParam().name, GetParam().index);
    const QImage window = grabAlone(shown, image);
    const QRect area = shown.area(image);
    const QImage bitmap = shown.pictures().bitmap(image.picture().key()).convertToFormat(QImage::Format_RGB32);
    const QImage seen = window.copy(area).convertToFormat(QImage::Format_RGB32);

    const QImage expected =
        image.stretch() ? bitmap.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : bitmap;
    ASSERT_EQ(seen.size(), expected.size());
    // Shown larger than its bitmap, the picture is drawn anew at that size: the same picture, sharper
    // than the bitmap scaled up.
    const bool drawnLarger = area.width() > bitmap.width() || area.height() > bitmap.height();
    EXPECT_LT(meanDifference(seen, expected), !image.stretch() ? 0.01 : drawnLarger ? 8.0 : 4.0);
    if (drawnLarger) {
        EXPECT_GT(contrastBetweenNeighbours(seen), contrastBetweenNeighbours(expected));
    }
    // Opaque to its edges, its ground included, and nothing of it beyond them.
    const QRect outside = area.adjusted(-1, -1, 1, 1);
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QPoint in(corner.x() ? area.right() : area.left(), corner.y() ? area.bottom() : area.top());
        const QPoint out(corner.x() ? outside.right() : outside.left(), corner.y() ? outside.bottom() : outside.top());
        EXPECT_TRUE(near(window.pixelColor(in), expected.pixelColor(in - area.topLeft()), drawnLarger ? 24 : 8))
            << "inside at " << in.x() << "," << in.y();
        EXPECT_EQ(window.pixelColor(out), shown.background()) << "outside at " << out.x() << "," << out.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    ScenePictures, EveryImage,
    testing::Values(Shown{"Imgcofre", -1}, Shown{"Imgsintapon", -1}, Shown{"Imgtapon", -1}, Shown{"Imgfiltro_viejo1", -1},
                    Shown{"imgfiltroviejo2", -1}, Shown{"Imgquitafiltro", -1}, Shown{"imgFiltro_nuevo", -1},
                    Shown{"Imgfiltronuevo2", -1}, Shown{"imgManeral", -1}, Shown{"imgDadotrescuartos", -1},
                    Shown{"Imgpuesto", -1}, Shown{"Imgpuesto1", -1}, Shown{"Imgtuerca", -1}, Shown{"Imgtuerca2", -1},
                    Shown{"imgBotevacio", -1}, Shown{"Imgbotelleno", -1}, Shown{"imgVesmol", 2},
                    Shown{"Imgvesmol_vacio", -1}, Shown{"imgbasura", -1}),
    [](const testing::TestParamInfo<Shown>& row) { return std::string(row.param.name); });

// The drain nut shows at 15 to 17 px: its dark edge must still land on whole pixels there, darker than
// its face, or the nut reads as a pale blob. Scanned inwards from the middle of the top and bottom and
// from both sides at a third and two thirds of its height.
TEST(ScenePictures, TheDrainNutsKeepDarkEdgesAtTheSizeTheyAreShown)
{
    for (const char* name : {"Imgtuerca", "Imgtuerca2"}) {
        ShownWindow shown;
        auto& nut = shown.form.control<rt::Image>(name);
        const QImage seen = grabAlone(shown, nut).copy(shown.area(nut));
        const int w = seen.width();
        const int h = seen.height();
        const int face = qGray(seen.pixel(w / 2, h / 2));
        std::vector<std::vector<QPoint>> scans(6);
        for (int y = 0; y < h; ++y) {
            scans[0].push_back({w / 2, y});
            scans[1].insert(scans[1].begin(), {w / 2, y});
        }
        for (int x = 0; x < w; ++x) {
            scans[2].push_back({x, h / 3});
            scans[3].insert(scans[3].begin(), {x, h / 3});
            scans[4].push_back({x, h - 1 - h / 3});
            scans[5].insert(scans[5].begin(), {x, h - 1 - h / 3});
        }
        for (const std::vector<QPoint>& scan : scans) {
            // The edge: the first two pixels off the white ground.
            std::vector<int> edge;
            for (QPoint p : scan) {
                if (const int grey = qGray(seen.pixel(p)); grey < 240 && edge.size() < 2)
                    edge.push_back(grey);
            }
            ASSERT_FALSE(edge.empty()) << name;
            EXPECT_LT(*std::min_element(edge.begin(), edge.end()), face)
                << name << ": pale edge scanning from " << scan.front().x() << "," << scan.front().y();
        }
    }
}

}  // namespace
