#pragma once
// The seam through which the document starts decoding its picture. The image
// module provides the real loader; tests may put in one that records calls.

class CZorvaDoc;

enum class PictureFormat { Jpeg, Png, Gif };

class IPictureLoader {
 public:
  virtual ~IPictureLoader() = default;
  // Starts decoding doc.m_strPicturePath in the background.
  virtual void Start(CZorvaDoc& doc, PictureFormat format) = 0;
  // Waits for (or abandons) running work before the document goes away.
  virtual void Shutdown() {}
};
