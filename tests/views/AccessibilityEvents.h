#pragma once

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QString>

#include <vector>

// What screen readers are told while it lives: the accessibility events of interest to the
// views, each with the object it is about as it read at that moment.
class AccessibilityEvents {
public:
    struct Heard {
        QAccessible::Event type;
        QAccessibleInterface* target;
        QString name;
        QString removed;  // text events
        QString inserted; // text events
        int position = -1; // text events: where the change starts; caret events: the caret
    };

    AccessibilityEvents()
    {
        heard().clear();
        QAccessible::installUpdateHandler(&record);
        platformAccessibility()->setActive(true);
    }
    ~AccessibilityEvents()
    {
        platformAccessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    const std::vector<Heard>& all() const { return heard(); }
    std::vector<Heard> of(QAccessible::Event type) const
    {
        std::vector<Heard> some;
        for (const Heard& h : heard())
            if (h.type == type)
                some.push_back(h);
        return some;
    }
    std::vector<Heard> about(const QAccessibleInterface* target) const
    {
        std::vector<Heard> some;
        for (const Heard& h : heard())
            if (h.target == target)
                some.push_back(h);
        return some;
    }
    void clear() { heard().clear(); }

private:
    // Qt hands accessibility events on only while the platform says a screen reader listens,
    // and the offscreen platform has no screen reader to say so: tests switch it on as Qt's own
    // tests do, through the platform's accessibility object.
    static QPlatformAccessibility* platformAccessibility()
    {
        return QGuiApplicationPrivate::platform_integration->accessibility();
    }

    static std::vector<Heard>& heard()
    {
        static std::vector<Heard> events;
        return events;
    }

    static void record(QAccessibleEvent* event)
    {
        switch (event->type()) {
        case QAccessible::Focus:
        case QAccessible::NameChanged:
        case QAccessible::DescriptionChanged:
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
        case QAccessible::TextCaretMoved:
        case QAccessible::TableModelChanged:
        case QAccessible::ObjectReorder:
            break;
        default:
            return;
        }
        Heard h{event->type(), event->accessibleInterface(), {}, {}, {}, -1};
        if (h.target)
            h.name = h.target->text(QAccessible::Name);
        if (event->type() == QAccessible::TextInserted) {
            auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
            h.inserted = e->textInserted();
            h.position = e->changePosition();
        } else if (event->type() == QAccessible::TextRemoved) {
            auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
            h.removed = e->textRemoved();
            h.position = e->changePosition();
        } else if (event->type() == QAccessible::TextUpdated) {
            auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
            h.removed = e->textRemoved();
            h.inserted = e->textInserted();
            h.position = e->changePosition();
        } else if (event->type() == QAccessible::TextCaretMoved) {
            h.position = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
        }
        heard().push_back(h);
    }
};
