#include "adapter.h"

Notify_Adapter::~Notify_Adapter() = default;

Notify_Adapter &Notify_Adapter::GetInstance()
{
    static Notify_Adapter ad;
    return ad;
}

void Notify_Adapter::UpdateProgress(int total, int step)
{
    emit sigUpdateProgress(total, step);
}

void Notify_Adapter::UpdateDialogText(QString text)
{
    emit sigUpdateDialogText(text);
}
