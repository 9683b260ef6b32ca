#include "settings/ModelDialog.h"

#include "codeplug/GlobalState.h"
#include "locale/TranslateForm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Selects the item with the text, or the first item when there is none.
void selectTextOrFirst(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

TfModel::TfModel(QWidget* parent)
    : TFormDialog(parent),
      Label1(new QLabel(QStringLiteral("Model Type: "), this)),
      cbCopmut(new QComboBox(this)),
      Label2(new QLabel(QStringLiteral("Frequency: "), this)),
      cbPd(new QComboBox(this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(QStringLiteral("Model Information"));
    Label1->setObjectName(QStringLiteral("Label1"));
    cbCopmut->setObjectName(QStringLiteral("cbCopmut"));
    Label2->setObjectName(QStringLiteral("Label2"));
    cbPd->setObjectName(QStringLiteral("cbPd"));
    for (QComboBox* list : {cbCopmut, cbPd}) {
        SetComponentTag(list, TagKeepItems);
        list->setMinimumWidth(150);
    }
    layOutChoice({{Label1, cbCopmut}, {Label2, cbPd}}, btnOk, btnCancel);

    connect(cbCopmut, &QComboBox::currentIndexChanged, this, &TfModel::cbCopmutChange);
    connect(btnOk, &QPushButton::clicked, this, [this] {
        Confirmed = true;
        accept();
    });
}

void TfModel::FormShow()
{
    TranslateWhenNotFirstLanguage(this, false);
    QStringList names;
    theMacList().FillNames(names);
    {
        const QSignalBlocker filling(cbCopmut);
        cbCopmut->clear();
        cbCopmut->addItems(names);
        selectTextOrFirst(cbCopmut, theAll().ModelName);
    }
    cbCopmutChange();
    selectTextOrFirst(cbPd, theAll().BandText);
    Confirmed = false;
}

void TfModel::cbCopmutChange()
{
    cbPd->clear();
    const TMacType* model = theMacList().FindByName(cbCopmut->currentText());
    if (!model)
        return;
    cbPd->addItems(model->Bands);
    selectTextOrFirst(cbPd, model->DefaultBand);
}
