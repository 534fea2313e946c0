#include "image/PictureLoader.h"

#include <system_error>

#include "image/PictureDecoders.h"
#include "model/ZorvaDoc.h"

CPictureLoader::~CPictureLoader() { Shutdown(); }

void CPictureLoader::Start(CZorvaDoc& doc, PictureFormat format) {
  // The display is asked here, on the interface thread, as the load starts.
  bool palette = format == PictureFormat::Jpeg && IsPaletteDisplay(doc.Host().DisplayColorCount());

  std::lock_guard<std::mutex> lock(m_mutex);
  ReapFinished();
  auto& state = m_states[&doc];
  if (!state) state = std::make_shared<zorva::DocLoadState>();
  uint64_t generation;
  {
    std::lock_guard<std::mutex> flagLock(state->mutex);
    generation = ++state->latest;
    doc.m_bPictureLoaded = true;
  }

  auto done = std::make_shared<std::atomic<bool>>(false);
  // The path is taken now: the interface thread may change it while the
  // worker runs.
  auto job = std::make_shared<zorva::CLoadJob>(doc, doc.m_strPicturePath, state, generation, m_shuttingDown);
  try {
    std::thread thread([job, format, palette, done]() mutable {
      switch (format) {
        case PictureFormat::Jpeg: zorva::RunJpegLoad(*job, palette); break;
        case PictureFormat::Png: zorva::RunPngLoad(*job); break;
        case PictureFormat::Gif: zorva::RunGifLoad(*job); break;
      }
      job.reset();  // releases the mutex and progress before the worker counts as done
      done->store(true);
    });
    m_workers.push_back(Worker{std::move(thread), done});
  } catch (const std::system_error&) {
    std::lock_guard<std::mutex> flagLock(state->mutex);
    doc.m_bPictureLoaded = false;
  }
}

void CPictureLoader::ReapFinished() {
  for (auto it = m_workers.begin(); it != m_workers.end();) {
    if (it->done->load()) {
      it->thread.join();
      it = m_workers.erase(it);
    } else {
      ++it;
    }
  }
}

void CPictureLoader::JoinAll() {
  std::list<Worker> workers;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    workers.swap(m_workers);
  }
  for (Worker& w : workers) w.thread.join();
}

void CPictureLoader::WaitIdle() { JoinAll(); }

void CPictureLoader::Shutdown() {
  m_shuttingDown = true;
  JoinAll();
  m_shuttingDown = false;
}
