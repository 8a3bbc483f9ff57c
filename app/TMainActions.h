#pragma once

#include <QList>
#include <QString>

#include <map>

class QAction;
class QObject;

namespace kes {

// The main window's commands, one action each, made from one table: the category, the caption
// with its accelerator, the short hint (kept as the tool tip, which the window does not show),
// the status text (shown in status panel 0 while the pointer rests on the command), the
// shortcuts, and the draft slot number of the slot commands (the action's data).
class TMainActions {
public:
    explicit TMainActions(QObject* owner);

    // The action of that name; nullptr for a name the table does not hold.
    QAction* Find(const QString& name) const;
    QAction* operator[](const QString& name) const { return Find(name); }
    // Every action in the table's order.
    const QList<QAction*>& All() const { return all_; }

    // The category of an action ("ファイル", "編集", ...) and its short hint.
    static QString Category(const QAction* action);
    static QString Hint(const QAction* action);
    // The slot number of SaveFile1-5 and LoadFile1-5; 0 for the others.
    static int Tag(const QAction* action);

private:
    QList<QAction*> all_;
    std::map<QString, QAction*> byName_;
};

} // namespace kes
