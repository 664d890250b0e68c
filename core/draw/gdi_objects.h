#pragma once
// Pens and brushes owned by the routine that creates them, released at the latest when they go
// out of scope (so an abandoned frame leaks nothing).
#include <stdexcept>

#include "draw/surface.h"

// Raised when a brush cannot be created; the frame being drawn is abandoned.
class CResourceException : public std::runtime_error {
  public:
    CResourceException() : std::runtime_error("a drawing object could not be created") {}
};

class CGdiObject {
  public:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    void DeleteObject() {
        if (m_hObject != 0) m_pDC->DeleteObject(m_hObject);
        m_hObject = 0;
    }

  protected:
    explicit CGdiObject(CDC* pDC) : m_pDC(pDC) {}
    void Attach(HGDIOBJ h) {
        DeleteObject();
        m_hObject = h;
    }
    CDC* m_pDC;
    HGDIOBJ m_hObject = 0;
};

class CPen : public CGdiObject {
  public:
    explicit CPen(CDC* pDC) : CGdiObject(pDC) {}
    // A pen that cannot be created stays empty; selecting it keeps the previous pen.
    bool CreatePen(int style, int width, COLORREF colour) {
        Attach(m_pDC->CreatePen(style, width, colour));
        return m_hObject != 0;
    }
};

class CBrush : public CGdiObject {
  public:
    CBrush(CDC* pDC, COLORREF colour) : CGdiObject(pDC) {
        Attach(pDC->CreateSolidBrush(colour));
        if (m_hObject == 0) throw CResourceException();
    }
};
