#include "settings/EmbeddedMessageDialog.h"

#include "codeplug/GlobalState.h"
#include "locale/TranslateForm.h"
#include "settings/MessageText.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

constexpr int FieldWidth = 260;

// The key filter of both fields, applied to whatever reaches them: typed keys, pasted or dropped
// text and input-method text lose every character the message rule refuses.
class TMessageFilter final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const QString kept = MessageCharacters(input);
        if (kept != input) {
            pos -= int(input.left(pos).size() - MessageCharacters(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

QLineEdit* messageField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(MessageLineLength);
    field->setValidator(new TMessageFilter(field));
    field->setFixedWidth(FieldWidth);
    return field;
}

// Shows a line as it stands, even one from a file that breaks the rule: the filter acts on what
// the user puts in, and an untouched line goes back unchanged.
void showLine(QLineEdit* field, const QString& line)
{
    const QValidator* filter = field->validator();
    field->setValidator(nullptr);
    field->setText(line);
    field->setValidator(filter);
}

} // namespace

TfEmbeddedMessage::TfEmbeddedMessage(QWidget* parent)
    : TFormDialog(parent),
      edEMA(messageField("edEMA", this)),
      edEMB(messageField("edEMB", this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("fEmbeddedMessage"));
    setWindowTitle(QStringLiteral("Embedded Message"));
    auto* body = new QVBoxLayout(this);
    body->addWidget(edEMA);
    body->addWidget(edEMB);
    body->addWidget(okCancelButtons(btnOk, btnCancel));
    connect(btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::btnOkClick);
}

void TfEmbeddedMessage::FormShow()
{
    TranslateWhenNotFirstLanguage(this, true);
    const TEnMsg& message = theEnMsg();
    showLine(edEMA, message.Line1);
    showLine(edEMB, message.Line2);
}

void TfEmbeddedMessage::btnOkClick()
{
    theEnMsg() = {edEMA->text(), edEMB->text()};
    accept();
}
