// Ogg Vorbis encoding through libvorbisenc, fed in blocks like any streaming encoder.
#include "audio_vorbis.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ag {

static void ajouter_page(std::vector<uint8_t>& o, const ogg_page& p) {
    o.insert(o.end(), p.header, p.header + p.header_len);
    o.insert(o.end(), p.body, p.body + p.body_len);
}

std::vector<uint8_t> encoder_vorbis(const Tampon& t, float qualite, int serie) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, FREQUENCE, qualite) != 0) {
        vorbis_info_clear(&vi);
        throw std::runtime_error("vorbis_encode_init_vbr refused the settings");
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "mirage assetgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serie);

    std::vector<uint8_t> sortie;
    ogg_packet entete, commentaire, codes;
    vorbis_analysis_headerout(&vd, &vc, &entete, &commentaire, &codes);
    ogg_stream_packetin(&os, &entete);
    ogg_stream_packetin(&os, &commentaire);
    ogg_stream_packetin(&os, &codes);
    ogg_page page;
    // The headers sit on their own pages so audio starts on a fresh page, as players expect.
    while (ogg_stream_flush(&os, &page)) ajouter_page(sortie, page);

    // Standard streaming loop: feed a block (or the end-of-stream mark), then take out every
    // finished packet and every full page; the end-of-stream packet forces the last page out.
    const size_t bloc = 4096, n = t.taille();
    size_t pos = 0;
    bool fini = false;
    while (!fini) {
        size_t k = std::min(bloc, n - pos);
        if (k > 0) {
            float** buf = vorbis_analysis_buffer(&vd, int(k));
            std::memcpy(buf[0], t.g.data() + pos, k * sizeof(float));
            std::memcpy(buf[1], t.d.data() + pos, k * sizeof(float));
        }
        vorbis_analysis_wrote(&vd, int(k));
        pos += k;
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!fini && ogg_stream_pageout(&os, &page)) {
                    ajouter_page(sortie, page);
                    if (ogg_page_eos(&page)) fini = true;
                }
            }
        }
        if (k == 0 && !fini) throw std::runtime_error("vorbis stream did not end");
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return sortie;
}

}  // namespace ag
