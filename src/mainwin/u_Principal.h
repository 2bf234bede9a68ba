#pragma once
// A janela principal: botões com figura do dia a dia, menus para todas as telas e a barra
// de status com a base e o usuário conectado. Fechá-la encerra o programa.
#include <QMainWindow>
#include <memory>

class QAction;
class QToolButton;

namespace Ui {
class Tfrm_Principal;
}

class Tfrm_Principal : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Principal(QWidget* parent = nullptr);
    ~Tfrm_Principal() override;

    // Habilita cada menu e botão conforme a sua tela já está no catálogo.
    void AtualizarDisponiveis();

protected:
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void ConferirEmpresa();
    void AbrirTelaDaChave(const QString& chave);
    // Carrega na figura o arquivo da pasta do programa, se existir.
    void CarregarFigura(QToolButton* botao, const QString& arquivo);

    std::unique_ptr<Ui::Tfrm_Principal> ui;
    QList<QAction*> m_acoes;
    QList<QToolButton*> m_botoes;
    bool m_empresaConferida = false;
};

extern Tfrm_Principal* frm_Principal;
