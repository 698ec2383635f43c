#include "core/FileRewrites.h"

#include <map>
#include <mutex>
#include <optional>
#include <utility>

struct FileRewrites::Chain {
    std::mutex mutex;
    bool running = false; // a worker is writing or about to
    // The newest content not yet taken by the worker, with its writer.
    std::optional<std::pair<Writer, QByteArray>> next;
    QString path; // set once, before the chain is shared
};

FileRewrites::FileRewrites(const QString& path, Writer writer)
    : writer_(std::move(writer)), chain_(chainFor(path)) {}

std::shared_ptr<FileRewrites::Chain> FileRewrites::chainFor(const QString& path) {
    // A chain lives while an asker or a worker holds it; a later asker for
    // the same path joins a chain still running, so it cannot overtake it.
    static std::mutex mutex;
    static std::map<QString, std::weak_ptr<Chain>> chains;
    const std::lock_guard lock(mutex);
    std::erase_if(chains, [](const auto& entry) { return entry.second.expired(); });
    std::shared_ptr<Chain> chain = chains[path].lock();
    if (!chain) {
        chain = std::make_shared<Chain>();
        chain->path = path;
        chains[path] = chain;
    }
    return chain;
}

int FileRewrites::drain(Chain& chain) {
    int failed = 0;
    for (;;) {
        std::pair<Writer, QByteArray> write;
        {
            const std::lock_guard lock(chain.mutex);
            if (!chain.next) {
                chain.running = false;
                return failed;
            }
            write = std::move(*chain.next);
            chain.next.reset();
        }
        failed += write.first(chain.path, write.second) ? 0 : 1;
    }
}

void FileRewrites::later(const QByteArray& bytes, std::function<void(int failed)> done) {
    {
        const std::lock_guard lock(chain_->mutex);
        chain_->next.emplace(writer_, bytes);
        if (std::exchange(chain_->running, true))
            return;
    }
    // The stop flag is not looked at: a rewrite that was asked for lands.
    job_.run([chain = chain_](const Job::Stop&) { return drain(*chain); }, std::move(done));
}

bool FileRewrites::nowOrNext(const QByteArray& bytes) {
    {
        const std::lock_guard lock(chain_->mutex);
        if (chain_->running) {
            chain_->next.emplace(writer_, bytes);
            return true;
        }
    }
    // Only askers start workers, so none starts while this one writes.
    return writer_(chain_->path, bytes);
}
