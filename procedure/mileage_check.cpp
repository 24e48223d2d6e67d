#include "procedure/procedures.h"

#include "window/form1.h"
#include "window/runtime/conversions.h"

#include <cstdint>
#include <optional>

namespace {

constexpr std::int32_t kKilometresBetweenChanges = 5000;
constexpr const char* kOutOfRange = "El kilometraje está fuera del rango permitido.";

// A fixed busy count between two bottles; volatile keeps the compiler from removing it.
void pauseBetweenBottles()
{
    volatile std::int32_t count = 1;
    while (count <= 250000) {
        count = count + 10;
        count = count - 10;
        count = count + 10;
        count = count - 10;
        count = count + 1;
    }
}

// Tells the learner which mileage cannot be used and puts the cursor there, text selected.
void refuse(Form1& form, rt::TextBox& box, const char* message)
{
    form.MsgBox(message);
    box.focusAndSelectAll();
}

// The mileage in the box, or nothing after telling the learner what is wrong with it.
std::optional<std::int32_t> mileageIn(Form1& form, rt::TextBox& box, const char* notANumber)
{
    const rt::WholeNumber mileage = rt::textToWholeNumber(box.text());
    if (mileage.error == rt::ConversionError::NotANumber) {
        refuse(form, box, notANumber);
        return std::nullopt;
    }
    if (mileage.error == rt::ConversionError::Overflow) {
        refuse(form, box, kOutOfRange);
        return std::nullopt;
    }
    return mileage.value;
}

} // namespace

void cmdSimular_Click(Form1& form)
{
    const auto previous = mileageIn(form, form.txtAnterior, "El Km Anterior debe ser un número entero.");
    if (!previous)
        return;
    const auto current = mileageIn(form, form.txtActual, "El Km Actual debe ser un número entero.");
    if (!current)
        return;
    const auto difference = rt::checkedSubtract32(*current, *previous);
    if (!difference) {
        refuse(form, form.txtActual, kOutOfRange);
        return;
    }

    if (*difference < kKilometresBetweenChanges) {
        form.MsgBox("No se va a cambiar el vesmol," + rt::wholeNumberToText(*difference));
        return;
    }
    form.MsgBox("SI se va a cambiar el vesmol, " + rt::wholeNumberToText(*difference));
    for (int i = 0; i < Form1::kBottles; ++i) {
        form.imgVesmol(i).setVisible(true);
        form.imgVesmol(i).Refresh();
        pauseBetweenBottles();
    }
    form.MsgBox("Sigue las instrucciones que te indican en texto de arriba");
    form.Txtmensaje.setText("->Abrir cofre dando un click en el camión");
    form.MsgBox("Abrir cofre dando un clip en el camion y quita el tapon y  guardarlo");
    form.Imgtapon.setEnabled(true);
}
