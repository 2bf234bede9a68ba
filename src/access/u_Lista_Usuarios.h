#pragma once
// Lista dos usuários ativos; o menu da grade cria, exclui e desativa usuários.
#include <QDialog>
#include <memory>

class TDataset;

namespace Ui {
class Tfrm_Lista_Usuarios;
}

class Tfrm_Lista_Usuarios : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Lista_Usuarios(QWidget* parent = nullptr);
    ~Tfrm_Lista_Usuarios() override;

    TDataset* Qry_Usuarios() const { return m_qryUsuarios; }

    void Corrigir1Click();
    void Novousuario1Click();
    void Excluir1Click();
    void Desativaresseusuario1Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Reabrir();

    std::unique_ptr<Ui::Tfrm_Lista_Usuarios> ui;
    TDataset* m_qryUsuarios = nullptr;
};
