#include "languagekeys.h"

namespace {

const CaptionKey kFStart[] = {
    {"vOne", "Un"},
    {"vTwo", "Deux"},
    {"vThree", "Trois"},
    {"vFour", "Quatre "},
    {"vFive", "Cinq"},
    {"vSix", "Six"},
    {"vSeven", "Sept"},
    {"vEight", "Huit"},
    {"vNine", "Neuf"},
    {"vTen", "Dix"},
    {"vEleven", "Onze"},
    {"vTwelve", "Douze"},
    {"vSelectAllBtn", "Sélectionner tous"},
    {"vInverseSelBtn", "Inverser sélection"},
    {"vExpertBtn", "Options \"Expert\""},
    {"vStartWorkBtn", "Commencer à calculer"},
    {"vPrintCalcBtn", "Imprimer des calculs   "},
    {"vQuitBtn", "Quitter Quorvel"},
    {"vComment", "Clique ta souris sur les tables de multiplication que tu veux étudier. Lorsque tu auras fait ton "
                 "choix, presse sur le bouton 'Commencer à calculer'. Bonne chance dans ton travail."},
    {"vCaptionGroupBox", "Travailler avec les tables..."},
    {"vMenuFilesCaption", "Fichiers"},
    {"vMenuQuitCaption", "Quitter"},
    {"vMenuLangCaption", "Language"},
    {"vMenuAboutCaption", "Aide"},
    {"vMenuAboutIndexcaption", "Aide"},
    {"vMenuAbout1Caption", "A propos de Quorvel"},
};

const CaptionKey kFCalculator[] = {
    {"vCaptionBtn1", "&Retour"},
    {"vCaptionBtn6", "Expert"},
    {"vCaptionBtn8", "Son"},
    {"vCaptionBtn10", "Ecran"},
    {"vCaptionBtn9", "&Aide"},
    {"vCaptionBtn2", "Entrée"},
    {"vLastCalcLbl", "Dernier calcul"},
    {"vResultWaitLbl", "Zzzzzzz..."},
    {"vResultRightLbl"},
    {"vResultWrongLbl"},
    {"vResultLateLbl"},
    {"vResultRightLateLbl"},
    {"vResultWrongLateLbl"},
    {"vModeWrittenStateLbl"},
    {"vModeMentalStateLbl"},
    {"vModeWaitingStateLbl", " J'attends... "},
    {"vModeClickEnterStateLbl"},
    {"vModeTimerStateLbl"},
    {"vCounterLbl", "Compteur"},
    {"vOperationLbl", "Calculs:"},
    {"vErrorsLbl", "Erreurs:"},
    {"vAverageLbl", "Moyenne:"},
    {"vAverageCalc", "sur 10"},
    {"vResetBtn", "Zéro"},
    {"vTimerGoBtn", "Engager le chronomètre"},
    {"vTimerStopBtn"},
    {"vThinkTimeCaption", " Réflexion "},
    {"vSecondLbl"},
    {"vGaugeCaption", " Jauge chrono "},
    {"vGaugeVisibleItem", "Visible"},
    {"vGaugeHiddenItem", "Cachée"},
    {"vModeCaption", " Mode "},
    {"vModeWrittenItem", "Ecrit"},
    {"vModeMentalItem", "Mental"},
    {"vDispAnswerCaption", " Affich. réponse "},
    {"vHideTextLbl", "Cacher texte"},
    {"vViewInfoLbl"},
    {"vRightInfoText1Lbl", "Clique sur les chiffres de la calculette puis sur     . Pour connaitre la réponse, clique"},
    {"vRightInfoText2Lbl", "Tu peux aussi utiliser le pavé numérique et la touche Entrée du clavier de ton ordinateur."},
    {"vRightInfoText3Lbl", "Clique le bouton \"Engager le chronomètre\" pour travailler plus vite que moi ou pour faire du "
                           "calcul mental"},
    {"vLeftInfoTextTopLbl", "Calcul mental. Pas de clavier disponible."},
    {"vLeftInfoTextBotLbl", "INFO: Dès que tu trouves la réponse, presses 'Entrée' pour la contrôler et passer au calcul "
                            "suivant."},
    {"vHelpTopInfoLbl", "Clique les textes bleus soulignés"},
    {"vHelpCloseBtn", "Fermer"},
};

const CaptionKey kFSwap[] = {
    {"vFSWapCaption", "Définition des options \"Expert\""},
    {"vCrossMultiplicatorsLbl", "Faut-il de temps en temps croiser le multiplicande et le multiplicateur ?"},
    {"vCrossYesRadioBtnCaption", "Oui"},
    {"vCrossNoRadioBtnCaption", "Non"},
    {"vSmallestMultiplicatorLbl", "Le multiplicateur doit être plus grand que ou égal à:"},
    {"vSeeHelpFileLbl", "Consulte l'aide pour plus ample information."},
};

const CaptionKey kFSound[] = {
    {"vFSoundCaption", "Règlage des options audio"},
    {"vGroupBoxCaption", " Séquences sonores disponibles "},
    {"vListenCaptionBtn", "Ecouter cette séquence"},
    {"vEditCaptionBtn", "Modifier cette séquence"},
    {"vNoSoundCaptionLbl", "Sortie audio désactivée"},
};

const CaptionKey kFAudio[] = {
    {"vFAudioCaption", "Configuration des options audio"},
    {"vSeqTitleLbl", "Titre de cette séquence son:"},
    {"vMaxCharLbl", "(Max.  10 caractères)"},
    {"vRadioGroupCaption", " Evénements pour"},
    {"vAssocLbl", "Fichier son associé à cet événement :"},
    {"vAssocOtherBtn", "Associer un autre son"},
    {"vSoundFilesLbl", "Fichiers son (*.wav, *.mp3)"},
    {"vAssociateCaptionBtn", "Associer"},
    {"vCancelCaptionBtn", "Cancel"},
    {"vChangedMessageDlg"},
};

const CaptionKey kAfterRecordDlg[] = {
    {"vAfterRecordDlgCaption", " Enregistrement des calculs"},
    {"vWhatToDoLbl", "Que souhaites-tu faire des calculs qui ont été enregistrés ?"},
    {"vOKCaptionBtn", "Réviser"},
    {"vCancelCaptionBtn", "Effacer"},
    {"vEraseOperationsMsg"},
};

const CaptionKey kRecordDlg[] = {
    {"vRecordDlgCaption", "Que faut-il enregistrer ?"},
    {"vNextOpRBCaption", "prochains calculs"},
    {"vNextErrRBCaption", "prochaines erreurs"},
    {"vNoRecRBCaption", "Arrêt de l'enregistrement"},
    {"vRecNextLbl", "Enregistrer les"},
    {"vInfoLbl", "Enregistrement possible en mode écrit uniquement "},
};

const CaptionKey kPrintDlg[] = {
    {"vPrintDlgCaption", "Que faut-il imprimer ?"},
    {"vRandomRBCaption", "Liste de calculs basés sur les tables sélectionnées"},
    {"vNoAnswerRBCaption", "Les tables de 1 à 12 sans les réponses"},
    {"vWithAnswerRBCaption", "Les tables de 1 à 12 avec les réponses"},
    {"vGridRBCaption", "Grille de multiplication à double entrées"},
    {"vRadioGroup1Caption", " Imprimer sur: "},
    {"vRG1Item0Lbl", "Ecran"},
    {"vRG1Item1Lbl", "Papier"},
    {"vPrintBtnCaption", "&Imprimer"},
    {"vCancelBtnCaption", "&Annuler"},
    {"vQRRandSheetTitle", "Calculs choisis au hasard parmi les tables sélectionnées"},
    {"vQRRandSheetComment", "A toi de trouver les réponses"},
    {"vQROptions", "Options:"},
    {"vQRRandSheetCrossed"},
    {"vQRRandSheetNotCrossed", "Multiplicateurs non-croisés"},
    {"vQRRandSheetMult", "Plus petit multiplicateur,"},
    {"vQROtherSheetTitle", "Tables de multiplication de 1 à 12"},
    {"vQROtherSheetComment", "Trouve les réponses"},
    {"vQRDateString", "Généré par Quorvel le"},
    {"vQRPrintGridCaption", "Double Entry Multiplication Grid", "xxx"},
};

const CaptionKey kFColor[] = {
    {"vFcolorCaption", "Règlage des couleurs de l'écran"},
    {"vSolidColBtn", "Solid..."},
    {"vFactoryBtn", "Design"},
};

const CaptionKey kMakeBackGround[] = {
    {"vMakeBackGroundCaption", "Arrière-plan"},
    {"vTopColBtn", "Couleur de départ"},
    {"vMidColBtn", "Couleur du centre"},
    {"vEndColBtn", "Couleur d'arrivée"},
};

} // namespace

int CaptionSection::indexOf(QStringView key) const
{
    for (size_t i = 0; i < keys.size(); ++i) {
        if (key == QLatin1StringView(keys[i].key))
            return int(i);
    }
    return -1;
}

namespace CaptionSections {

const CaptionSection FStart{"FStart", kFStart};
const CaptionSection FCalculator{"FCalculator", kFCalculator};
const CaptionSection FSwap{"FSwap", kFSwap};
const CaptionSection FSound{"FSound", kFSound};
const CaptionSection FAudio{"FAudio", kFAudio};
const CaptionSection AfterRecordDlg{"AfterRecordDlg", kAfterRecordDlg};
const CaptionSection RecordDlg{"RecordDlg", kRecordDlg};
const CaptionSection PrintDlg{"PrintDlg", kPrintDlg};
const CaptionSection FColor{"FColor", kFColor};
const CaptionSection MakeBackGround{"MakeBackGround", kMakeBackGround};

const std::array<const CaptionSection *, 10> &all()
{
    static const std::array<const CaptionSection *, 10> sections = {
        &FStart, &FCalculator, &FSwap, &FSound, &FAudio, &AfterRecordDlg, &RecordDlg, &PrintDlg, &FColor, &MakeBackGround,
    };
    return sections;
}

} // namespace CaptionSections
