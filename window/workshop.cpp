#include "window/workshop.h"

#include "procedure/event_table.h"

Workshop::Workshop(desktop::QtHost::EndProgram endProgram)
{
    connectEventProcedures(form_);
    host_ = std::make_unique<desktop::QtHost>(form_, std::move(endProgram));
}

Workshop::~Workshop()
{
    host_.reset();
}

void Workshop::start()
{
    form_.Load();
    host_->show();
}
