#include "core/u_Dialogos.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// As caixas de verdade, com os textos e botões do programa.
class TDialogosReais : public IDialogos
{
public:
    void mensagem(const QString& texto, const QString& titulo, TIcone icone) override
    {
        QMessageBox caixa(iconeQt(icone), titulo.isEmpty() ? QApplication::applicationName() : titulo, texto,
                          QMessageBox::Ok, QApplication::activeWindow());
        caixa.exec();
    }

    bool pergunta(const QString& texto, const QString& titulo, bool simPadrao) override
    {
        QMessageBox caixa(QMessageBox::Question, titulo.isEmpty() ? QApplication::applicationName() : titulo, texto,
                          QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        caixa.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
        caixa.button(QMessageBox::No)->setText(QStringLiteral("Não"));
        caixa.setDefaultButton(simPadrao ? QMessageBox::Yes : QMessageBox::No);
        return caixa.exec() == QMessageBox::Yes;
    }

    bool entrada(const QString& titulo, const QString& rotulo, QString& valor) override
    {
        bool ok = false;
        const QString lido =
            QInputDialog::getText(QApplication::activeWindow(), titulo, rotulo, QLineEdit::Normal, valor, &ok);
        if (ok)
            valor = lido;
        return ok;
    }

    QString escolherArquivo(const QString& titulo, const QString& filtro, const QString& pasta) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), titulo, pasta, filtro);
    }

    int executarModal(QDialog* janela) override { return janela->exec(); }

private:
    static QMessageBox::Icon iconeQt(TIcone icone)
    {
        switch (icone) {
        case TIcone::Informacao:
            return QMessageBox::Information;
        case TIcone::Aviso:
            return QMessageBox::Warning;
        case TIcone::Erro:
            return QMessageBox::Critical;
        case TIcone::Pergunta:
            return QMessageBox::Question;
        case TIcone::Nenhum:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

TDialogosReais g_reais;
IDialogos* g_atual = nullptr;

} // namespace

IDialogos& Dialogos()
{
    return g_atual ? *g_atual : static_cast<IDialogos&>(g_reais);
}

void InstalarDialogos(IDialogos* dialogos)
{
    g_atual = dialogos;
}
