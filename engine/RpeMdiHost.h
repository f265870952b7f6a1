#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QMdiArea;
class QMdiSubWindow;

// The child form a preview lives in when its parent is an MDI frame: the
// preview fills the form, and closing the form closes the preview.
class RpeMdiHost : public QWidget
{
    Q_OBJECT

public:
    // The MDI area of a frame: the widget itself or a main window's central
    // widget; null for any other parent.
    static QMdiArea *mdiAreaOf(QWidget *parent);
    // A new host form in area, owned by the area until the component frees it.
    static RpeMdiHost *create(QMdiArea *area, const QString &title, std::function<void()> onClose);

    QMdiSubWindow *form() const;
    void setTitle(const QString &title);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit RpeMdiHost(std::function<void()> onClose);
    void stretchChildren();

    std::function<void()> m_onClose;
};
