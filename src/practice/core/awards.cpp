#include "awards.h"
#include <QCoreApplication>

int awardFor(int count) {
    if (count <= 5) return 0;
    if (count < 10) return 1;
    if (count < 16) return 2;
    if (count < 18) return 3;
    return 4;
}

QString awardMessage(int award) {
    switch (award) {
        case 0:
            return QCoreApplication::translate("Awards", "You need to practice some more!");
        case 1:
            return QCoreApplication::translate("Awards",
                                               "Good Job.. but remember Practice makes perfect");
        case 2:
            return QCoreApplication::translate("Awards", "Excellent, ready for more?");
        case 3:
            return QCoreApplication::translate("Awards",
                                               "Impressive!! You are getting closer to perfection");
        default:
            return QCoreApplication::translate(
                "Awards", "Perfect!! You are a genius..ready for next level?!");
    }
}
