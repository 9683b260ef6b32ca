#include "radio/TransferDialog.h"

#include "locale/TranslateForm.h"
#include "radio/RadioLink.h"

#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int ProgressBarWidth = 320;

} // namespace

TTransferDialog::TTransferDialog(QWidget* parent, const QString& name, const QString& caption)
    : TFormDialog(parent),
      pBar(new QProgressBar(this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(name);
    setWindowTitle(caption);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setMinimumWidth(ProgressBarWidth);
    pBar->setRange(0, 100);
    pBar->setValue(0);
    layOutChoice({{nullptr, pBar}}, btnOk, btnCancel);
}

void TTransferDialog::AttachLink(TRadioLink& link)
{
    m_link = &link;
    btnOk->setEnabled(link.OkEnabled());
    connect(btnOk, &QPushButton::clicked, &link, &TRadioLink::btnOkClick);
    connect(&link, &TRadioLink::okEnabledChanged, btnOk, &QWidget::setEnabled);
    connect(&link, &TRadioLink::progressMaximumChanged, pBar, &QProgressBar::setMaximum);
    connect(&link, &TRadioLink::progressChanged, pBar, &QProgressBar::setValue);
    connect(&link, &TRadioLink::closeRequested, this, &QDialog::reject);
}

void TTransferDialog::FormShow()
{
    TranslateWhenNotFirstLanguage(this, false);
    m_link->FormShow();
}

void TTransferDialog::done(int result)
{
    m_link->FormClose();
    TFormDialog::done(result);
}
