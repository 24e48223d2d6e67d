#include "procedure/event_table.h"

#include "procedure/procedures.h"
#include "window/form1.h"

void connectEventProcedures(Form1& form)
{
    using rt::Event;
    auto connect = [&form](rt::Control& control, Event event, void (*procedure)(Form1&)) {
        form.on(control, event, [&form, procedure] { procedure(form); });
    };

    form.onLoad([&form] { Form_Load(form); });
    connect(form.cmdsalir, Event::Click, cmdsalir_Click);
    connect(form.cmdSimular, Event::Click, cmdSimular_Click);
    connect(form.Imgcamion, Event::Click, Imgcamion_Click);
    connect(form.Tmrparpadeo, Event::Timer, Tmrparpadeo_Timer);
    connect(form.Picguardar1, Event::DragDrop, Picguardar1_DragDrop);
    connect(form.Picmuestra, Event::DragDrop, Picmuestra_DragDrop);
    connect(form.imgManeral, Event::DragOver, imgManeral_DragOver);
    connect(form.imgDadotrescuartos, Event::DragDrop, imgDadotrescuartos_DragDrop);
    connect(form.Imgtuerca, Event::DragDrop, Imgtuerca_DragDrop);
    connect(form.Picguardar2, Event::DragDrop, Picguardar2_DragDrop);
    connect(form.Tmrvesmol, Event::Timer, Tmrvesmol_Timer);
    connect(form.Imgfiltro_viejo1, Event::DragDrop, Imgfiltro_viejo1_DragDrop);
    connect(form.imgbasura, Event::DragDrop, imgbasura_DragDrop);
    connect(form.imgFiltro_nuevo, Event::DblClick, imgFiltro_nuevo_DblClick);
    connect(form.Picguardar2, Event::DblClick, Picguardar2_DblClick);
    connect(form.Imgtuerca2, Event::DragOver, Imgtuerca2_DragOver);
    connect(form.Picmuestra, Event::DblClick, Picmuestra_DblClick);
    connect(form.Imgsintapon, Event::DragDrop, Imgsintapon_DragDrop);
    connect(form.Tmrlitro, Event::Timer, Tmrlitro_Timer);
    connect(form.Picguardar1, Event::DblClick, Picguardar1_DblClick);
}
