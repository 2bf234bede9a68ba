#pragma once
// Correção de uma linha da venda aberta: quantidade e valor unitário. Não mexe na base; no "Ok"
// deixa os valores em vQtdeAlteradanaVenda / vValoralteradonaVenda e fecha com Accepted.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Alterar_qtde_e_valor;
}

class Tfrm_Alterar_qtde_e_valor : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Alterar_qtde_e_valor(QWidget* parent = nullptr);
    ~Tfrm_Alterar_qtde_e_valor() override;

    void preencher(double qtde, double valorUnitario);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void btnOKClick();

    std::unique_ptr<Ui::Tfrm_Alterar_qtde_e_valor> ui;
};
