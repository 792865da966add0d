#include "views/ViewAccessibility.h"

#include "views/AccessibleCatalogue.h"
#include "views/AccessiblePractice.h"
#include "views/AccessibleQuiz.h"
#include "views/TPracticeWindow.h"
#include "views/TQuizWindow.h"
#include "views/TSymbolWindow.h"

#include <QAccessible>

namespace {

QAccessibleInterface* viewInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("TSymbolWindow"))
        return new AccessibleCatalogue(static_cast<TSymbolWindow*>(object));
    if (className == QLatin1String("TPracticeWindow"))
        return new AccessiblePractice(static_cast<TPracticeWindow*>(object));
    if (className == QLatin1String("TQuizWindow"))
        return new AccessibleQuiz(static_cast<TQuizWindow*>(object));
    return nullptr;
}

} // namespace

void installViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(viewInterface);
        return true;
    }();
    (void)installed;
}
