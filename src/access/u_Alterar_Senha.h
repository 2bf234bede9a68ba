#pragma once
// Troca da senha do usuário cujo login está em pn_Login (posto pela janela de login).
#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class Tfrm_Alterar_Senha;
}

class Tfrm_Alterar_Senha : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Alterar_Senha(QWidget* parent = nullptr);
    ~Tfrm_Alterar_Senha() override;

    // O login em uso nesta janela é o texto deste painel.
    QLabel* pn_Login() const;

private:
    // A senha atual digitada confere com a gravada (mostra a mensagem quando não confere).
    bool ConfereSenhaAtual();
    void edt_Senha_AtualExit(QWidget* novoFoco);
    void IMG_ConfirmarClick();

    std::unique_ptr<Ui::Tfrm_Alterar_Senha> ui;
};
