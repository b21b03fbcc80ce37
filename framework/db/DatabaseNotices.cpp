#include "framework/db/DatabaseNotices.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstdio>

namespace fw::db {

namespace {

WarningPresenter& presenter() {
    static WarningPresenter instance;
    return instance;
}

}  // namespace

void SetWarningPresenter(WarningPresenter newPresenter) {
    presenter() = std::move(newPresenter);
}

void PresentWarning(const QString& title, const QString& text) {
    if (presenter()) {
        presenter()(title, text);
        return;
    }
    QString line = title + QStringLiteral(": ") + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(13), QChar(10));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

WaitCursor::WaitCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_shown = true;
    }
}

WaitCursor::~WaitCursor() {
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace fw::db
