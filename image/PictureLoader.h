#pragma once
// The picture loader of the editor: one worker thread per load.
#include <atomic>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "image/LoadJob.h"
#include "model/PictureLoading.h"

class CPictureLoader : public IPictureLoader {
 public:
  CPictureLoader() = default;
  ~CPictureLoader() override;
  CPictureLoader(const CPictureLoader&) = delete;
  CPictureLoader& operator=(const CPictureLoader&) = delete;

  // Starts decoding doc.m_strPicturePath on a new worker. A JPEG goes the
  // palette way when the host's display shows at most 256 colours.
  void Start(CZorvaDoc& doc, PictureFormat format) override;

  // Waits until every worker has ended (their results are delivered).
  void WaitIdle();

  // Makes running workers stop at their next row without reporting, and
  // waits for them. Loads may be started again afterwards.
  void Shutdown() override;

  bool IsShuttingDown() const { return m_shuttingDown; }

  // A colour count of 1 to 256 means a palette display.
  static bool IsPaletteDisplay(int colourCount) { return colourCount >= 1 && colourCount <= 256; }

 private:
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void ReapFinished();
  void JoinAll();

  std::mutex m_mutex;  // guards m_workers and m_states
  std::list<Worker> m_workers;
  std::map<const CZorvaDoc*, std::shared_ptr<zorva::DocLoadState>> m_states;
  std::atomic<bool> m_shuttingDown{false};
};
