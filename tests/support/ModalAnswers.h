// ModalAnswers: answers the grown-up question whenever it comes up, rightly or wrongly, closes any other
// modal window, and notes each one met with the words it showed.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "grownups/GrownUpDialog.h"

struct ModalAnswers {
    QStringList met, words; // class names; each one's visible labels, joined by " | "
    QTimer timer;
    QPointer<QWidget> last;

    explicit ModalAnswers(bool right) {
        QObject::connect(&timer, &QTimer::timeout, [this, right] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last) return;
            last = modal;
            met << QString::fromLatin1(modal->metaObject()->className());
            QStringList shown;
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (label->isVisible() && !label->text().isEmpty()) shown << label->text();
            words << shown.join(QStringLiteral(" | "));
            if (auto* question = qobject_cast<GrownUpDialog*>(modal)) {
                const QString number = QString::number(question->check().number());
                const int wrong = (number.at(0).digitValue() + 1) % 10;
                QTest::keyClicks(question, right ? number : QString::number(wrong));
            }
            if (modal->isVisible()) modal->close();
        });
        timer.start(1);
    }
};
