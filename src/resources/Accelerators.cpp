#include "resources/Accelerators.h"

#include "resources/CommandIds.h"

const std::vector<Accelerator>& acceleratorTable()
{
    static const std::vector<Accelerator> table = {
        {Qt::Key_X, Qt::AltModifier, cmd::Exit},
        {Qt::Key_F3, Qt::NoModifier, cmd::New},
        {Qt::Key_F4, Qt::NoModifier, cmd::Open},
        {Qt::Key_F5, Qt::NoModifier, cmd::PrintList},
        {Qt::Key_F6, Qt::NoModifier, cmd::Add},
        {Qt::Key_F7, Qt::NoModifier, cmd::Delete},
        {Qt::Key_F8, Qt::NoModifier, cmd::Change},
        {Qt::Key_F9, Qt::NoModifier, cmd::Sort},
        {Qt::Key_Home, Qt::NoModifier, cmd::QuitPractice},
    };
    return table;
}
