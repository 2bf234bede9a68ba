#pragma once
// Criação de um usuário do sistema (login de até 6 letras e senha de até 8, em maiúsculas).
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Usuarios_Sistema;
}

class Tfrm_Usuarios_Sistema : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Usuarios_Sistema(QWidget* parent = nullptr);
    ~Tfrm_Usuarios_Sistema() override;

private:
    void btn_salvarClick();

    std::unique_ptr<Ui::Tfrm_Usuarios_Sistema> ui;
};
