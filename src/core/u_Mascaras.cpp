#include "core/u_Mascaras.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

// Troca a caixa do texto a cada mudança; o QLineEdit aceita o texto corrigido pelo validador.
class TValidadorCaixa : public QValidator
{
public:
    TValidadorCaixa(TCaixa caixa, QObject* pai) : QValidator(pai), m_caixa(caixa) {}
    State validate(QString& texto, int&) const override
    {
        texto = m_caixa == TCaixa::Maiusculas ? texto.toUpper() : texto.toLower();
        return Acceptable;
    }
    void fixup(QString& texto) const override
    {
        texto = m_caixa == TCaixa::Maiusculas ? texto.toUpper() : texto.toLower();
    }

private:
    TCaixa m_caixa;
};

// Filtro do foco de um campo para AoSairDoCampo.
class TSaidaDoCampo : public QObject
{
public:
    TSaidaDoCampo(QObject* campo, std::function<void()> acao) : QObject(campo), m_acao(std::move(acao)) {}
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::FocusOut) {
            const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
            if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
                m_acao();
        }
        return false;
    }

private:
    std::function<void()> m_acao;
};

// Filtro do Enter de um campo para AoPressionarEnter.
class TEnterDoCampo : public QObject
{
public:
    TEnterDoCampo(QObject* campo, std::function<void()> acao) : QObject(campo), m_acao(std::move(acao)) {}
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)
                m_acao();
        }
        return false;
    }

private:
    std::function<void()> m_acao;
};

} // namespace

void DefinirMascara(QLineEdit* campo, const QString& mascara)
{
    campo->setInputMask(mascara + QStringLiteral("; "));
}

QString TextoComMascara(const QLineEdit* campo)
{
    // com branco ' ' o texto mostrado é o da máscara, posições vazias incluídas
    return campo->inputMask().isEmpty() ? campo->text() : campo->displayText();
}

void DefinirCaixa(QLineEdit* campo, TCaixa caixa)
{
    campo->setValidator(new TValidadorCaixa(caixa, campo));
}

void DefinirCaixa(QComboBox* lista, TCaixa caixa)
{
    lista->setValidator(new TValidadorCaixa(caixa, lista));
}

bool SemDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (c.isDigit())
            return false;
    return true;
}

void AoSairDoCampo(QWidget* campo, std::function<void()> acao)
{
    campo->installEventFilter(new TSaidaDoCampo(campo, std::move(acao)));
}

void AoPressionarEnter(QWidget* campo, std::function<void()> acao)
{
    campo->installEventFilter(new TEnterDoCampo(campo, std::move(acao)));
}
