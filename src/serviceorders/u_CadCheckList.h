#pragma once
// Os pontos do checklist padrão, que cada OS copia para o seu checklist de entrada.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CheckList;
}

class Tfrm_CheckList : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CheckList(QWidget* pai = nullptr);
    ~Tfrm_CheckList() override;

    // Enter no campo: inclui o ponto (vazio ou já existente: nada acontece).
    void edt_ItemEnter();
    void ExcluirItemClick();

protected:
    void done(int resultado) override;

private:
    std::unique_ptr<Ui::Tfrm_CheckList> ui;
};
