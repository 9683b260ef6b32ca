#include "locale/LanguageDialog.h"

#include "codeplug/GlobalState.h"
#include "locale/SysInfo.h"
#include "locale/TranslateForm.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfSetLanguage::TfSetLanguage(QWidget* parent)
    : TFormDialog(parent),
      lbName(new QLabel(QStringLiteral("Language Mode: "), this)),
      cbLanguage(new QComboBox(this)),
      Language(new QListWidget(this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));
    lbName->setObjectName(QStringLiteral("lbName"));
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    SetComponentTag(cbLanguage, TagKeepItems);
    cbLanguage->setMinimumWidth(160);
    Language->setObjectName(QStringLiteral("Language"));
    Language->hide();
    layOutChoice({{lbName, cbLanguage}}, btnOk, btnCancel);

    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
}

void TfSetLanguage::FormShow()
{
    cbLanguage->clear();
    Language->clear();
    QStringList displayNames;
    QStringList fileNames;
    GetLanguageList(theAll(), displayNames, fileNames);
    cbLanguage->addItems(displayNames);
    Language->addItems(fileNames);
    TranslateWhenNotFirstLanguage(this, false);
    cbLanguage->setCurrentIndex(theAll().LanguageIndex);  // none when outside the list
    LanguageChanged = false;
}

void TfSetLanguage::btnOkClick()
{
    TALL& all = theAll();
    const int chosen = cbLanguage->currentIndex();
    // Without an entry, or with a display name that has no file name, there is nothing to switch
    // to: that is a Cancel.
    if (chosen < 0 || chosen >= Language->count()) {
        reject();
        return;
    }
    if (chosen != all.LanguageIndex) {
        LanguageChanged = true;
        all.LanguageName = Language->item(chosen)->text();
        all.LanguageIndex = chosen;
    }
    accept();
}
