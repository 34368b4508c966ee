// ModalAnswers: answers the grown-up question whenever it comes up, rightly or wrongly, closes any other modal
// window, and notes each one met with the words it showed.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include "grownups/GrownUpDialog.h"

struct ModalAnswers {
    enum class Answer { Right, Wrong };
    QStringList met;   // class names, in order
    QStringList words; // every visible label of each, joined by " | "
    QTimer timer;
    QPointer<QWidget> last;

    explicit ModalAnswers(Answer answer) {
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last) return;
            last = modal;
            met << QString::fromLatin1(modal->metaObject()->className());
            QStringList shown;
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (label->isVisible() && !label->text().isEmpty()) shown << label->text();
            words << shown.join(QStringLiteral(" | "));
            if (auto* question = qobject_cast<GrownUpDialog*>(modal)) {
                const QString right = QString::number(question->check().number());
                if (answer == Answer::Right)
                    QTest::keyClicks(question, right);
                else
                    QTest::keyClicks(question, QString::number((right.at(0).digitValue() + 1) % 10));
            }
            if (modal->isVisible()) modal->close();
        });
        timer.start();
    }
};
