#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include "views/my_wnd.h"

// Drives and photographs one drawing window by its client area, the coordinates its hit
// tests and mappings use.
namespace tesselo::test_support {

// Gives the window a client area of exactly `client` pixels and shows it.
void SetClientSize(CMyWnd& window, QSize client);

// The client area as painted now: pixel (x, y) is client pixel (x, y).
QImage ClientPicture(CMyWnd& window);

// How many pixels of the rectangle have exactly that colour.
int CountPixels(const QImage& picture, const QRect& area, const QColor& colour);

// Mouse actions at a client position.
void PressAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
             Qt::KeyboardModifiers modifiers = {});
void ReleaseAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
               Qt::KeyboardModifiers modifiers = {});
void ClickAt(CMyWnd& window, Qt::MouseButton button, QPoint client,
             Qt::KeyboardModifiers modifiers = {});

}  // namespace tesselo::test_support
