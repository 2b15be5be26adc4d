#ifndef PENDINGPAGE_H
#define PENDINGPAGE_H

#include <QString>
#include <functional>

class QWidget;

// Lays out a page or dialog whose screen is not available in this build yet:
// a title and a Home button, so the user can always leave it.
void buildPendingPage(QWidget* page, const QString& title, const std::function<void()>& onBack);

#endif // PENDINGPAGE_H
