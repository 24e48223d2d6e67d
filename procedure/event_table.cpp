#include "event_table.h"

#include "../window/form1.h"
#include "../window/startup.h"

void connectEventProcedures(Form1& form)
{
    using rt::Event;
    form.onLoad([&form] { Form_Load(form); });
    form.on(form.cmdsalir, Event::Click, [&form] { cmdsalir_Click(form); });
}
