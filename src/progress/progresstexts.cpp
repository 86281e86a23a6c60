#include "progresstexts.h"

namespace {

// In the order the section lists them in the language files.
const CaptionKey kProgress[] = {
    {"vProgressMenuItem", "Carte des progrès...", "Progress map..."},
    {"vProgressCaption", "Carte des progrès", "Progress map"},
    {"vMultiplyGrid", "Multiplications", "Multiplication"},
    {"vDivideGrid", "Divisions", "Division"},
    {"vPeriodLbl", "Période :", "Period:"},
    {"vPeriodToday", "Aujourd'hui", "Today"},
    {"vPeriodWeek", "7 derniers jours", "Last 7 days"},
    {"vPeriodMonth", "30 derniers jours", "Last 30 days"},
    {"vPeriodAll", "Tout", "All"},
    {"vMastered", "Acquis", "Mastered"},
    {"vLearning", "En cours", "Learning"},
    {"vNeedsWork", "À revoir", "Needs work"},
    {"vNotSeen", "Pas encore vu", "Not yet seen"},
    {"vTableLbl", "Table", "Table"},
    {"vTotalLbl", "Justes / total", "Right / all"},
    {"vCellHint", "%1 : %2 réponses, %3 justes, temps médian %4 s", "%1: %2 answers, %3 right, median time %4 s"},
    {"vNoHistory", "Aucune réponse enregistrée pour cette période. Les réponses données en calculant apparaîtront ici.",
     "No answers stored for this period yet. Answers given while calculating will show here."},
    {"vPrintBtn", "Imprimer...", "Print..."},
    {"vPdfBtn", "Enregistrer en PDF...", "Save as PDF..."},
    {"vWeakSheetBtn", "Fiche des points faibles", "Weak facts sheet"},
    {"vForgetBtn", "Oublier...", "Forget..."},
    {"vCloseBtn", "Fermer", "Close"},
    {"vForgetQuestion", "Oublier toutes les réponses enregistrées ? Cela ne peut pas être annulé.",
     "Forget every stored answer? This cannot be undone."},
    {"vHistoryDamaged", "L'historique des réponses était illisible. Il a été gardé sous le nom %1 et un nouvel historique a commencé.",
     "The answer history could not be read. It was kept as %1 and a new history was started."},
    {"vHistoryNotStored", "L'historique des réponses ne peut pas être écrit dans %1. On continue à calculer, mais les réponses ne sont pas gardées.",
     "The answer history cannot be written in %1. Calculating goes on, but the answers are not stored."},
    {"vWeakSheetTitle", "Les calculs à retravailler", "The facts to work on"},
    {"vWeakSheetComment", "Tirés des calculs à revoir et en cours d'apprentissage", "Drawn from the facts that need work and are still learning"},
    {"vAnswerKeyTitle", "Corrigé", "Answer key"},
    {"vNoWeakFacts", "Aucun calcul à retravailler pour cette période.", "There are no facts to work on in this period."},
};

} // namespace

namespace ProgressTexts {
const CaptionSection section{"Progress", kProgress};
}
